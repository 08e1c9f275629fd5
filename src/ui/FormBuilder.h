#pragma once

#include "settings/SettingDef.h"
#include "ui/AccessibleNames.h"
#include "ui/Previews.h"

#include <QColor>
#include <QString>
#include <QTimer>

#include <functional>
#include <initializer_list>
#include <span>
#include <vector>

class QAbstractButton;
class QBoxLayout;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QPixmap;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QToolButton;
class QVBoxLayout;
class QWidget;

namespace golv {

class Swatch;
class Windows;

struct Session;

// The caption a control shows (kWindowTitle: the window's title): the text a
// language file gave its key, or else its built-in text. The program stops
// when the caption table lacks the control, which every test run would show.
QString captionText(const Session& session, Window window, const char* control);

// Text colours of the fields: dark red for fields that take positive numbers
// only, dark blue for signed ones, black for hexadecimal digits.
inline constexpr QColor kPositiveInk(128, 0, 0);
inline constexpr QColor kSignedInk(0, 0, 128);
inline constexpr QColor kHexInk(0, 0, 0);
inline constexpr QColor kDerivedInk(128, 128, 128);

// Makes the widgets of one window, every one the same way: its object name
// is its control name, its caption comes from the caption table (or is one
// of the window's own where no language key sets it), fields are as wide as
// the setting's length allows, and every input gets a name for readers. The
// widgets are made in reading order, which is the order Tab follows.
class FormBuilder final {
public:
    FormBuilder(QWidget* window, Window id, Windows& windows);
    FormBuilder(const FormBuilder&) = delete;
    FormBuilder& operator=(const FormBuilder&) = delete;

    QWidget* window() const { return m_window; }
    Window id() const { return m_id; }
    Windows& windows() const { return m_windows; }

    // A command or a swatch runs only when this lets it: the field the click
    // took the focus from must pass its checks first.
    void setGate(std::function<bool()> gate) { m_gate = std::move(gate); }
    void onClick(QAbstractButton* button, std::function<void()> handler) const;

    // The caption a language key sets for a control of this window; the
    // program stops when the table lacks it, which every test run would show.
    QString caption(const char* control) const;
    // A word several windows use (the main window's texts of its own: "value", "red", ...).
    QString shared(const char* key) const;
    // The setting a control of this window shows; the program stops when it
    // shows none.
    SettingId setting(const char* control) const;
    ColourFields settings(const std::array<const char*, 3>& controls) const;

    QLabel* label(const char* name) const;
    QLabel* title(const char* name) const;
    QLabel* ownLabel(const QString& caption) const;
    QCheckBox* checkBox(const char* name) const;
    QCheckBox* ownCheckBox(const char* name, const QString& caption) const;
    QRadioButton* option(const char* name, const QString& caption = {}) const;
    QPushButton* button(const char* name) const;
    QPushButton* ownButton(const char* name, const QString& caption, const QString& accessibleName = {}) const;
    QPushButton* pictureButton(const char* name, const QPixmap& picture, const QString& accessibleName) const;
    // The ink of this window's fields that take positive numbers only.
    void setPositiveInk(const QColor& ink) { m_positiveInk = ink; }
    // A setting's text field; its ink follows the key filter unless given.
    QLineEdit* field(const char* name) const;
    QLineEdit* field(const char* name, const QColor& ink) const;
    // A read-only box that shows a value, `characters` wide.
    QLineEdit* display(const char* name, int characters) const;
    QScrollBar* scrollBar(const char* name) const;
    QComboBox* list(const char* name) const;
    // An ammunition flag's letter: a small button that shows the letter and
    // advances the flag on a click, Space or Enter.
    QToolButton* flag(const char* name) const;
    // A swatch that shows the colour of three fields; choosing a colour on it
    // puts the colour into the fields, as typing would.
    Swatch* swatch(const ColourFields& fields) const;
    // The same, but the window paints it (a preview); choosing still edits the fields.
    Swatch* previewSwatch(const ColourFields& fields) const;

    // How a field's hexadecimal digits read as a number.
    enum class HexReading { Signed16, Unsigned32 };
    // Shows the decimal value of a hexadecimal field as its tooltip and in
    // its description for readers ("03FE" is "1022 in decimal").
    void explainHex(QLineEdit* field, HexReading reading) const;

    // Runs `update` now and whenever one of the settings changes, for as long
    // as `widget` lives.
    void follow(QWidget* widget, std::vector<SettingId> settings, std::function<void()> update) const;

    // Keeps a widget's place in the layout while it is hidden, so that nothing
    // moves when it appears.
    static void reserveSpace(QWidget* widget);

    // The window's command row: the left commands, a gap, the right ones.
    QBoxLayout* commandRow(std::initializer_list<QPushButton*> left, std::initializer_list<QPushButton*> right) const;

private:
    Swatch* makeSwatch(const ColourFields& fields, bool followsFields) const;

    QWidget* m_window;
    Window m_id;
    Windows& m_windows;
    std::function<bool()> m_gate;
    QColor m_positiveInk = kPositiveInk;
};

// A row of a block by control names: a label and the field after it, or,
// without a field, a check box across the row (`label` names it).
struct FieldRow {
    const char* label;
    const char* field;
};

// A block of rows under a section title: row labels on the left, their
// controls after them. Controls a window did not name for readers are named
// after their row: a field by its row label and the small label just before
// it ("colour/rate" "1"), a check box or button by the row label and its own
// caption ("remove sound" on the row "[no ammo] sound ID:").
class Section final {
public:
    // titleName: the title's control name, or nullptr for a block without a title.
    Section(const FormBuilder& form, const char* titleName);
    // A block under its own title that goes on in the grid of `above`, so
    // that the labels, fields and swatches of both stand in the same columns.
    // Its layout() is that of `above`.
    Section(const FormBuilder& form, const char* titleName, const Section& above);

    QVBoxLayout* layout() const { return m_layout; }
    QLabel* title() const { return m_title; }
    // Makes the title part of the names of the block's controls ("health bar width").
    Section& titleInNames();

    // A row: its label (or none) and then its controls, left to right.
    void row(QLabel* label, std::initializer_list<QWidget*> controls);
    void row(QLabel* label, std::span<QWidget* const> controls);
    QLineEdit* fieldRow(const char* label, const char* field);
    void fieldRows(std::span<const FieldRow> rows);
    // A colour triple: "R:", "G:", "B:" fields with the triple's swatch, then
    // any further controls. The fields are named "<title> <label> red" and so on.
    enum class SwatchKind { FollowsFields, Preview };
    Swatch* colourRow(const char* label, const std::array<const char*, 3>& fields,
        std::initializer_list<QWidget*> after = {}, SwatchKind kind = SwatchKind::FollowsFields);
    // A control across the whole row.
    void wideRow(QWidget* control);

private:
    void name(QWidget* control, QLabel* rowLabel, QLabel* subLabel);
    AccessibleNamePart titlePart() const;

    const FormBuilder& m_form;
    QLabel* m_title = nullptr;
    bool m_titleInNames = false;
    QVBoxLayout* m_layout;
    QGridLayout* m_rows;
};

// A window's timer, named as its control, calling `tick` every `interval`
// milliseconds once started.
template <typename Receiver, typename Tick>
QTimer* windowTimer(Receiver* window, const char* name, int interval, Tick tick)
{
    auto* timer = new QTimer(window);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setInterval(interval);
    QObject::connect(timer, &QTimer::timeout, window, tick);
    return timer;
}

// A column of sections with the space below them left free; a section that
// goes on in the grid of one above it shares that one's place.
QVBoxLayout* column(std::initializer_list<const Section*> sections);

} // namespace golv
