#pragma once

#include "settings/SettingDef.h"
#include "ui/AccessibleNames.h"
#include "ui/Previews.h"
#include "ui/WindowKeys.h"

#include <QCheckBox>
#include <QColor>
#include <QString>
#include <QTimer>

#include <functional>
#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

class QAbstractButton;
class QBoxLayout;
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

// The caption a control shows, a window's title or a text of a window's own:
// the text a language file gave its key, or else its built-in text.
QString captionText(const Session& session, CaptionId caption);

// Text colours of the fields: dark red for fields that take positive numbers
// only, dark blue for signed ones, black for hexadecimal digits, grey for
// fields whose value follows from another.
inline constexpr QColor kPositiveInk(128, 0, 0);
inline constexpr QColor kSignedInk(0, 0, 128);
inline constexpr QColor kHexInk(0, 0, 0);
inline constexpr QColor kDerivedInk(128, 128, 128);

// Makes the widgets of one window, every one the same way: a control is made
// from its setting or its caption row, whose table gives its object name
// (the control name), its caption (or one of the window's own where no
// language key sets it) and a field's width; every input gets a name for
// readers. The widgets are made in reading order, which is the order Tab
// follows. The few controls no table names take their names from `own`
// (ui/OwnControls.h).
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

    // The text of a caption row.
    QString caption(CaptionId caption) const;
    // A word several windows use, which stands with the main window ("value", "red", ...).
    QString shared(CaptionKey<Window::Form1> word) const { return caption(word); }

    QLabel* label(CaptionId caption) const;
    QLabel* title(CaptionId caption) const;
    QLabel* ownLabel(const QString& caption) const;
    // A setting's check box, captioned as the caption table says; its key
    // vouches that the table has the caption.
    template <Window W> QCheckBox* checkBox(SettingKey<W> box) const
    {
        return ownCheckBox(box, caption(*captionOfControl(W, definition(box).control)));
    }
    QCheckBox* ownCheckBox(SettingId box, const QString& caption) const;
    // An option button of a setting's group: captioned as the caption table
    // says, if it names the option, or else with `caption`.
    QRadioButton* option(SettingId group, int index, const QString& caption = {}) const;
    // An option button of an array of the window's own, without a caption.
    QRadioButton* ownOption(std::string_view array, int index) const;
    QPushButton* button(CaptionId caption) const;
    QPushButton* ownButton(std::string_view name, const QString& caption, const QString& accessibleName = {}) const;
    QPushButton* pictureButton(std::string_view name, const QPixmap& picture, const QString& accessibleName) const;
    // The ink of this window's fields that take positive numbers only.
    void setPositiveInk(const QColor& ink) { m_positiveInk = ink; }
    // A setting's text field; its ink follows the key filter unless given.
    QLineEdit* field(SettingId setting) const;
    QLineEdit* field(SettingId setting, const QColor& ink) const;
    // A scroll bar's display box (its setting's row names it), `characters` wide.
    QLineEdit* display(SettingId bar, int characters) const;
    // A read-only box of the window's own that shows a value.
    QLineEdit* ownDisplay(std::string_view name, int characters) const;
    QScrollBar* scrollBar(SettingId setting) const;
    QComboBox* list(SettingId setting) const;
    // An ammunition flag's letter: a small button that shows the letter and
    // advances the flag on a click, Space or Enter.
    QToolButton* flag(SettingId setting) const;
    // A swatch that shows the colour of three fields; choosing a colour on it
    // puts the colour into the fields, as typing would.
    Swatch* swatch(const ColourFields& fields) const;
    // The same, but the window paints it (a preview); choosing still edits the fields.
    Swatch* previewSwatch(const ColourFields& fields) const;

    // How a field's hexadecimal digits read as a number.
    enum class HexReading { Signed16, Unsigned32 };
    // Shows the decimal value of a setting's hexadecimal field as its
    // tooltip and in its description for readers ("03FE" is "1022 in decimal").
    void explainHex(SettingId setting, HexReading reading) const;

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

// A block of rows under a section title: row labels on the left, their
// controls after them. Controls a window did not name for readers are named
// after their row: a field by its row label and the small label just before
// it ("colour/rate" "1"), a check box or button by the row label and its own
// caption ("remove sound" on the row "[no ammo] sound ID:").
class Section final {
public:
    // A block without a title.
    explicit Section(const FormBuilder& form);
    Section(const FormBuilder& form, CaptionId title);
    // A block under its own title that goes on in the grid of `above`, so
    // that the labels, fields and swatches of both stand in the same columns.
    // Its layout() is that of `above`.
    Section(const FormBuilder& form, CaptionId title, const Section& above);

    QVBoxLayout* layout() const { return m_layout; }
    QLabel* title() const { return m_title; }
    // Makes the title part of the names of the block's controls ("health bar width").
    Section& titleInNames();

    // A row: its label (or none) and then its controls, left to right.
    void row(QLabel* label, std::initializer_list<QWidget*> controls);
    void row(QLabel* label, std::span<QWidget* const> controls);
    QLineEdit* fieldRow(CaptionId label, SettingId field);
    // Rows of FieldRow (ui/WindowKeys.h), each a fieldRow or, without a
    // label, its setting's check box across the row.
    template <typename Rows> void fieldRows(const Rows& rows)
    {
        for (const auto& row : rows) {
            if (row.label)
                fieldRow(row.label, row.field);
            else
                wideRow(m_form.checkBox(row.field));
        }
    }
    // A colour triple: "R:", "G:", "B:" fields with the triple's swatch, then
    // any further controls. The fields are named "<title> <label> red" and so on.
    enum class SwatchKind { FollowsFields, Preview };
    Swatch* colourRow(CaptionId label, const ColourFields& fields, std::initializer_list<QWidget*> after = {},
        SwatchKind kind = SwatchKind::FollowsFields);
    template <Window W>
    Swatch* colourRow(CaptionId label, const std::array<SettingKey<W>, 3>& fields,
        std::initializer_list<QWidget*> after = {}, SwatchKind kind = SwatchKind::FollowsFields)
    {
        return colourRow(label, ColourFields{fields[0], fields[1], fields[2]}, after, kind);
    }
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
QTimer* windowTimer(Receiver* window, std::string_view name, int interval, Tick tick)
{
    auto* timer = new QTimer(window);
    timer->setObjectName(controlName(name));
    timer->setInterval(interval);
    QObject::connect(timer, &QTimer::timeout, window, tick);
    return timer;
}

// A column of sections with the space below them left free; a section that
// goes on in the grid of one above it shares that one's place.
QVBoxLayout* column(std::initializer_list<const Section*> sections);

} // namespace golv
