#include "ui/FormBuilder.h"

#include "config/Session.h"
#include "language/CaptionTable.h"
#include "settings/SettingId.h"
#include "ui/Swatch.h"
#include "ui/Windows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <span>
#include <string>
#include <type_traits>

namespace golv {
namespace {

QString fromView(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

template <typename Widget> Widget* make(QWidget* window, std::string_view name)
{
    auto* widget = new Widget(window);
    if (!name.empty())
        widget->setObjectName(controlName(name));
    // A caption from a language file is shown as written, "<b>" and all.
    if constexpr (std::is_same_v<Widget, QLabel>)
        widget->setTextFormat(Qt::PlainText);
    return widget;
}

// Room for `characters` digits and the frame around them.
int fieldWidth(const QWidget& field, int characters)
{
    return field.fontMetrics().horizontalAdvance(QString(characters + 1, QLatin1Char('0'))) + 10;
}

void setInk(QWidget& widget, const QColor& ink)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Text, ink);
    widget.setPalette(palette);
}

bool isInput(const QWidget* widget)
{
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractButton*>(widget)
        || qobject_cast<const QComboBox*>(widget) || qobject_cast<const QScrollBar*>(widget)
        || qobject_cast<const Swatch*>(widget);
}

} // namespace

FormBuilder::FormBuilder(QWidget* window, Window id, Windows& windows) : m_window(window), m_id(id), m_windows(windows)
{
}

void FormBuilder::onClick(QAbstractButton* button, std::function<void()> handler) const
{
    QObject::connect(button, &QAbstractButton::clicked, m_window, [this, handler = std::move(handler)] {
        if (!m_gate || m_gate())
            handler();
    });
}

QString captionText(const Session& session, CaptionId caption)
{
    const CaptionEntry& row = entry(caption);
    if (const auto translated = session.captions.find({row.window, std::string(row.control)});
        translated != session.captions.end())
        return QString::fromStdString(translated->second);
    return fromView(row.builtIn);
}

QString FormBuilder::caption(CaptionId caption) const { return captionText(m_windows.session(), caption); }

QLabel* FormBuilder::label(CaptionId caption) const
{
    auto* label = make<QLabel>(m_window, entry(caption).control);
    label->setText(this->caption(caption));
    return label;
}

QLabel* FormBuilder::title(CaptionId caption) const
{
    QLabel* title = label(caption);
    QFont font = title->font();
    font.setBold(true);
    title->setFont(font);
    return title;
}

QLabel* FormBuilder::ownLabel(const QString& caption) const
{
    auto* label = make<QLabel>(m_window, {});
    label->setText(caption);
    return label;
}

QCheckBox* FormBuilder::ownCheckBox(SettingId box, const QString& caption) const
{
    auto* check = make<QCheckBox>(m_window, definition(box).control);
    check->setText(caption);
    return check;
}

QRadioButton* FormBuilder::option(SettingId group, int index, const QString& caption) const
{
    QRadioButton* button = ownOption(definition(group).control, index);
    const auto named = captionOfControl(m_id, button->objectName().toStdString());
    button->setText(caption.isEmpty() && named ? this->caption(*named) : caption);
    return button;
}

QRadioButton* FormBuilder::ownOption(std::string_view array, int index) const
{
    auto* button = new QRadioButton(m_window);
    button->setObjectName(controlName(array, index));
    return button;
}

QPushButton* FormBuilder::button(CaptionId caption) const
{
    return ownButton(entry(caption).control, this->caption(caption));
}

QPushButton* FormBuilder::ownButton(std::string_view name, const QString& caption, const QString& accessibleName) const
{
    auto* button = make<QPushButton>(m_window, name);
    button->setText(caption);
    // Enter on a focused button runs it, through its auto-default in the
    // main window. In a dialog the first auto-default button is also the one
    // Return in any field clicks: there that is "defaults", the preview or
    // recalculate, so Return after typing a value would throw the window's
    // values away or run a command nobody chose. A dialog's buttons are
    // therefore none, and the customizer windows run the focused button
    // themselves (CustomizerDialog::keyPressEvent).
    button->setAutoDefault(qobject_cast<QDialog*>(m_window) == nullptr);
    if (!accessibleName.isEmpty())
        button->setAccessibleName(accessibleName);
    return button;
}

QPushButton* FormBuilder::pictureButton(
    std::string_view name, const QPixmap& picture, const QString& accessibleName) const
{
    QPushButton* button = ownButton(name, {}, accessibleName);
    button->setIcon(picture);
    button->setIconSize(picture.deviceIndependentSize().toSize());
    return button;
}

QLineEdit* FormBuilder::field(SettingId setting) const
{
    const Input input = definition(setting).input;
    return field(setting, input == Input::SignedDigits ? kSignedInk : input == Input::Digits ? m_positiveInk : kHexInk);
}

QLineEdit* FormBuilder::field(SettingId setting, const QColor& ink) const
{
    auto* field = make<QLineEdit>(m_window, definition(setting).control);
    field->setFixedWidth(fieldWidth(*field, std::max<int>(definition(setting).maxLength, 2)));
    setInk(*field, ink);
    return field;
}

QLineEdit* FormBuilder::display(SettingId bar, int characters) const
{
    return ownDisplay(definition(bar).display.control, characters);
}

QLineEdit* FormBuilder::ownDisplay(std::string_view name, int characters) const
{
    auto* box = make<QLineEdit>(m_window, name);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setAlignment(Qt::AlignRight);
    box->setFixedWidth(fieldWidth(*box, characters));
    return box;
}

QScrollBar* FormBuilder::scrollBar(SettingId setting) const
{
    auto* bar = make<QScrollBar>(m_window, definition(setting).control);
    bar->setOrientation(Qt::Horizontal);
    bar->setMinimumWidth(160);
    // Scroll bars take no focus by default; these edit settings, so the
    // keyboard must reach them (arrows, Page keys, Home and End).
    bar->setFocusPolicy(Qt::StrongFocus);
    // Qt's scroll bars take Right and Page Down backwards; these are value
    // sliders, so Right and Page Up raise the value.
    bar->setInvertedControls(false);
    return bar;
}

QComboBox* FormBuilder::list(SettingId setting) const
{
    auto* list = make<QComboBox>(m_window, definition(setting).control);
    // A list that shows a text of its own, which may be no entry, shows it in
    // a box that takes no typing. The box takes the list's place in the Tab
    // order, so it is made here, in reading order.
    if (definition(setting).conversion == Conversion::ListText) {
        list->setEditable(true);
        list->lineEdit()->setReadOnly(true);
    }
    return list;
}

QToolButton* FormBuilder::flag(SettingId setting) const
{
    auto* flag = make<QToolButton>(m_window, definition(setting).control);
    flag->setFocusPolicy(Qt::StrongFocus);
    flag->setCursor(Qt::PointingHandCursor);
    flag->setFixedWidth(flag->fontMetrics().horizontalAdvance(QStringLiteral("MM")) + 8);
    return flag;
}

Swatch* FormBuilder::swatch(const ColourFields& fields) const { return makeSwatch(fields, true); }

Swatch* FormBuilder::previewSwatch(const ColourFields& fields) const { return makeSwatch(fields, false); }

Swatch* FormBuilder::makeSwatch(const ColourFields& fields, bool followsFields) const
{
    auto* swatch = new Swatch(m_window);
    swatch->setColourWords({shared("red"), shared("green"), shared("blue")});
    SettingsStore& settings = m_windows.session().settings;
    if (followsFields) {
        follow(swatch, {fields.begin(), fields.end()},
            [swatch, &settings, fields] { swatch->setColour(toQColor(colourOf(settings, fields))); });
    }
    QObject::connect(swatch, &Swatch::activated, m_window, [this, &settings, fields] {
        if (m_gate && !m_gate())
            return;
        const auto chosen = m_windows.chooseColour(toQColor(colourOf(settings, fields)), m_window);
        if (!chosen)
            return;
        const SettingsStore::Step step(settings);
        const int components[] = {chosen->red(), chosen->green(), chosen->blue()};
        for (std::size_t i = 0; i < fields.size(); ++i)
            settings.setText(fields[i], std::to_string(components[i]));
    });
    return swatch;
}

void FormBuilder::follow(QWidget* widget, std::vector<SettingId> settings, std::function<void()> update) const
{
    update();
    SettingsStore& store = m_windows.session().settings;
    const int observer = store.addObserver([settings = std::move(settings), update](SettingId id) {
        if (std::find(settings.begin(), settings.end(), id) != settings.end())
            update();
    });
    QObject::connect(widget, &QObject::destroyed, [&store, observer] { store.removeObserver(observer); });
}

void FormBuilder::explainHex(SettingId id, HexReading reading) const
{
    auto* field = m_window->findChild<QLineEdit*>(controlName(definition(id).control));
    const SettingsStore& settings = m_windows.session().settings;
    follow(field, {id}, [field, &settings, id, reading, inDecimal = shared("indecimal")] {
        bool read = false;
        const QString digits = QString::fromStdString(settings.text(id));
        qint64 value = digits.toLongLong(&read, 16);
        if (reading == HexReading::Signed16 && value >= 0x8000 && value <= 0xFFFF)
            value -= 0x10000;
        const QString explained = read ? QStringLiteral("%1 %2").arg(value).arg(inDecimal) : QString();
        field->setToolTip(explained);
        describeForReaders(field, "decimal", explained);
    });
}

void FormBuilder::reserveSpace(QWidget* widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

QBoxLayout* FormBuilder::commandRow(
    std::initializer_list<QPushButton*> left, std::initializer_list<QPushButton*> right) const
{
    auto* row = new QHBoxLayout;
    for (QPushButton* button : left)
        row->addWidget(button);
    row->addStretch();
    for (QPushButton* button : right)
        row->addWidget(button);
    return row;
}

Section::Section(const FormBuilder& form) : m_form(form), m_layout(new QVBoxLayout), m_rows(new QGridLayout)
{
    m_rows->setColumnStretch(1, 1);
    m_layout->addLayout(m_rows);
}

Section::Section(const FormBuilder& form, CaptionId title) : Section(form)
{
    m_title = form.title(title);
    m_layout->insertWidget(0, m_title);
}

Section::Section(const FormBuilder& form, CaptionId title, const Section& above)
    : m_form(form), m_layout(above.m_layout), m_rows(above.m_rows)
{
    m_title = form.title(title);
    m_rows->addWidget(m_title, m_rows->rowCount(), 0, 1, 2);
}

Section& Section::titleInNames()
{
    m_titleInNames = true;
    return *this;
}

void Section::row(QLabel* label, std::initializer_list<QWidget*> controls)
{
    row(label, std::span<QWidget* const>(controls.begin(), controls.size()));
}

void Section::row(QLabel* label, std::span<QWidget* const> controls)
{
    const int line = m_rows->rowCount();
    if (label != nullptr)
        m_rows->addWidget(label, line, 0);
    auto* cell = new QHBoxLayout;
    QLabel* subLabel = nullptr;
    for (QWidget* control : controls) {
        cell->addWidget(control);
        if (auto* small = qobject_cast<QLabel*>(control)) {
            subLabel = small;
            continue;
        }
        if (!isInput(control))
            continue;
        if (label != nullptr && label->buddy() == nullptr)
            label->setBuddy(control);
        if (subLabel != nullptr && subLabel->buddy() == nullptr)
            subLabel->setBuddy(control);
        name(control, label, subLabel);
    }
    cell->addStretch();
    m_rows->addLayout(cell, line, label != nullptr ? 1 : 0, 1, label != nullptr ? 1 : 2);
}

QLineEdit* Section::fieldRow(CaptionId label, SettingId field)
{
    QLineEdit* edit = m_form.field(field);
    row(m_form.label(label), {edit});
    return edit;
}

Swatch* Section::colourRow(
    CaptionId label, const ColourFields& fields, std::initializer_list<QWidget*> after, SwatchKind kind)
{
    QLabel* rowLabel = m_form.label(label);
    static const std::array<QString, 3> kLetters = {QStringLiteral("R:"), QStringLiteral("G:"), QStringLiteral("B:")};
    const std::array<QString, 3> words = {m_form.shared("red"), m_form.shared("green"), m_form.shared("blue")};
    const QString opensColourDialog = m_form.shared("choosecolour");
    std::array<QLineEdit*, 3> edits{};
    std::array<QLabel*, 3> letters{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        letters[i] = m_form.ownLabel(kLetters[i]);
        edits[i] = m_form.field(fields[i]);
        nameForReaders(edits[i], {titlePart(), rowLabel, words[i]});
    }
    Swatch* swatch = kind == SwatchKind::Preview ? m_form.previewSwatch(fields) : m_form.swatch(fields);
    nameForReaders(swatch, {titlePart(), rowLabel, m_form.shared("swatch")});
    for (QLineEdit* edit : edits) {
        swatch->opensFrom(edit);
        edit->setToolTip(opensColourDialog);
        describeForReaders(edit, "colourdialog", opensColourDialog);
    }

    const int line = m_rows->rowCount();
    row(rowLabel, {letters[0], edits[0], letters[1], edits[1], letters[2], edits[2], swatch});
    // The controls after the swatch share its row.
    auto* cell = qobject_cast<QHBoxLayout*>(m_rows->itemAtPosition(line, 1)->layout());
    const int stretch = cell->count() - 1;
    int position = stretch;
    // A window makes the controls after the swatch before it calls this; Tab
    // still reaches them after the fields they stand beside.
    QWidget* previous = edits[2];
    for (QWidget* control : after) {
        cell->insertWidget(position++, control);
        name(control, rowLabel, nullptr);
        QWidget::setTabOrder(previous, control);
        previous = control;
    }
    return swatch;
}

void Section::wideRow(QWidget* control)
{
    const int line = m_rows->rowCount();
    m_rows->addWidget(control, line, 0, 1, 2);
    name(control, nullptr, nullptr);
}

void Section::name(QWidget* control, QLabel* rowLabel, QLabel* subLabel)
{
    if (!isInput(control) || !control->accessibleName().isEmpty())
        return;
    const AccessibleNamePart rowPart = rowLabel != nullptr ? AccessibleNamePart(rowLabel) : QString();
    if (qobject_cast<QAbstractButton*>(control)) {
        // A button names itself; its row tells apart captions that repeat.
        if (rowLabel != nullptr || m_titleInNames)
            nameForReaders(control, {titlePart(), rowPart, control});
        return;
    }
    const AccessibleNamePart subPart = subLabel != nullptr ? AccessibleNamePart(subLabel) : QString();
    nameForReaders(control, {titlePart(), rowPart, subPart});
}

AccessibleNamePart Section::titlePart() const
{
    if (m_titleInNames && m_title != nullptr)
        return m_title;
    return QString();
}

QVBoxLayout* column(std::initializer_list<const Section*> sections)
{
    auto* layout = new QVBoxLayout;
    for (const Section* section : sections) {
        // A block that goes on in the grid above it is in the column already.
        if (layout->indexOf(section->layout()) < 0)
            layout->addLayout(section->layout());
    }
    layout->addStretch();
    return layout;
}

} // namespace golv
