#include "ui/SettingsBinder.h"

#include "UserInteraction.h"
#include "settings/FieldValidation.h"
#include "settings/SettingId.h"
#include "settings/SettingsStore.h"
#include "ui/AccessibleNames.h"
#include "ui/ChangeMarks.h"
#include "ui/KeyFilterValidator.h"
#include "ui/WindowKeys.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <utility>

namespace golv {
namespace {

QString optionName(const SettingDef& def, int index) { return controlName(def.control, index); }

QString toQString(const std::string& text) { return QString::fromStdString(text); }

// A field is checked when the user moves on, not when the window loses the
// focus to another window or a menu.
bool userMovedOn(Qt::FocusReason reason)
{
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

SettingsBinder::SettingsBinder(
    SettingsStore& store, UserInteraction& ui, Window window, QWidget* root, const ChangeMarks* marks)
    : QObject(root), m_store(store), m_ui(ui), m_marks(marks)
{
    for (SettingId id = 0; id < kSettings.size(); ++id) {
        if (kSettings[id].window != window)
            continue;
        bind(id, root);
        if (kSettings[id].display.rows.empty())
            continue;
        if (auto* display = root->findChild<QLineEdit*>(controlName(kSettings[id].display.control))) {
            display->setReadOnly(true);
            display->setFocusPolicy(Qt::NoFocus);
            display->setAutoFillBackground(true);
            m_displays[id] = display;
        }
    }
    m_observer = m_store.addObserver([this](SettingId id) { refresh(id); });
    refreshAll();
    if (m_marks != nullptr) {
        connect(m_marks, &ChangeMarks::refreshed, this, &SettingsBinder::showMarks);
        showMarks();
    }

    // Undo and redo reach every setting from every window, a field's own
    // typing included: the store keeps the one history.
    const std::pair<QKeySequence::StandardKey, bool (SettingsStore::*)()> travels[]
        = {{QKeySequence::Undo, &SettingsStore::undo}, {QKeySequence::Redo, &SettingsStore::redo}};
    for (const auto& [keys, travel] : travels) {
        auto* shortcut = new QShortcut(keys, root);
        connect(shortcut, &QShortcut::activated, this, [this, travel] {
            m_pendingCheck.reset();
            (m_store.*travel)();
        });
    }
}

SettingsBinder::~SettingsBinder() { m_store.removeObserver(m_observer); }

void SettingsBinder::bind(SettingId id, QWidget* root)
{
    const SettingDef& def = kSettings[id];
    std::vector<QPointer<QWidget>> widgets;
    switch (kindOf(def.conversion)) {
    case ControlKind::Text:
        if (auto* edit = root->findChild<QLineEdit*>(controlName(def.control))) {
            edit->setValidator(new KeyFilterValidator(def.input, def.maxLength, edit));
            connect(edit, &QLineEdit::textEdited, this,
                [this, id](const QString& text) { m_store.typeText(id, text.toStdString()); });
            edit->installEventFilter(this);
            widgets.push_back(edit);
        }
        break;
    case ControlKind::Check:
        if (auto* box = root->findChild<QCheckBox*>(controlName(def.control))) {
            // A click checks an unchecked or greyed box and unchecks a checked one.
            connect(
                box, &QCheckBox::clicked, this, [this, id] { m_store.setState(id, m_store.state(id) == 1 ? 0 : 1); });
            widgets.push_back(box);
        }
        break;
    case ControlKind::Scroll:
        if (auto* bar = root->findChild<QScrollBar*>(controlName(def.control))) {
            bar->setRange(def.low, def.high);
            bar->setSingleStep(1);
            bar->setPageStep(1);
            connect(bar, &QScrollBar::valueChanged, this, [this, id](int value) {
                if (!m_refreshing)
                    m_store.setState(id, value);
            });
            widgets.push_back(bar);
        }
        break;
    case ControlKind::Option:
        for (int index = 0; index <= def.high; ++index) {
            if (auto* button = root->findChild<QRadioButton*>(optionName(def, index))) {
                connect(button, &QRadioButton::clicked, this, [this, id, index] { m_store.setState(id, index); });
                widgets.push_back(button);
            }
        }
        break;
    case ControlKind::List:
        if (auto* list = root->findChild<QComboBox*>(controlName(def.control))) {
            connect(list, &QComboBox::activated, this, [this, id](int index) {
                if (kSettings[id].conversion == Conversion::ListIndex) {
                    m_store.setState(id, index);
                } else if (index >= 0) {
                    m_store.setText(id, m_store.listEntries(id).at(static_cast<std::size_t>(index)));
                }
            });
            list->installEventFilter(this);
            widgets.push_back(list);
        }
        break;
    case ControlKind::Flag:
        if (auto* flag = root->findChild<QAbstractButton*>(controlName(def.control))) {
            connect(flag, &QAbstractButton::clicked, this, [this, id] {
                if (checkPendingField())
                    m_store.advanceFlag(id);
            });
            widgets.push_back(flag);
        }
        break;
    }
    for (const auto& widget : widgets)
        m_settingOf[widget.data()] = id;
    if (!widgets.empty())
        m_widgets[id] = std::move(widgets);
}

void SettingsBinder::refreshAll()
{
    for (const auto& [id, widgets] : m_widgets)
        refresh(id);
    for (const auto& [id, display] : m_displays)
        refresh(id);
}

void SettingsBinder::refresh(SettingId id)
{
    const QScopedValueRollback<bool> refreshing(m_refreshing, true);
    if (const auto found = m_widgets.find(id); found != m_widgets.end()) {
        const SettingDef& def = kSettings[id];
        const bool enabled = m_store.isEnabled(id);
        for (const QPointer<QWidget>& widget : found->second) {
            if (widget.isNull())
                continue;
            widget->setEnabled(enabled);
            if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
                const QString text = toQString(m_store.text(id));
                if (edit->text() != text) {
                    // Qt runs a field's validator on setText too; a value from
                    // a file is shown whole, whatever the user could type.
                    const QValidator* validator = edit->validator();
                    edit->setValidator(nullptr);
                    edit->setText(text);
                    edit->setValidator(validator);
                }
            } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
                const int state = m_store.state(id);
                if (state == 2) {
                    box->setCheckState(Qt::PartiallyChecked);
                } else {
                    box->setTristate(false);
                    box->setChecked(state == 1);
                }
            } else if (auto* bar = qobject_cast<QScrollBar*>(widget)) {
                bar->setValue(m_store.state(id));
            } else if (auto* button = qobject_cast<QRadioButton*>(widget)) {
                const bool selected = button->objectName() == optionName(def, m_store.state(id));
                // Exclusivity would keep one button on when none is selected.
                button->setAutoExclusive(false);
                button->setChecked(selected);
                button->setAutoExclusive(true);
                // Tab enters the group at its chosen option (at the first
                // when none is), and the arrows move within it. Qt's own
                // bookkeeping of this missed the flare colours under X.
                const int chosen = std::max(m_store.state(id), 0);
                const bool entry = button->objectName() == optionName(def, chosen);
                button->setFocusPolicy(entry ? Qt::StrongFocus : Qt::ClickFocus);
            } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
                QStringList entries;
                for (const std::string& entry : m_store.listEntries(id))
                    entries << toQString(entry);
                QStringList shown;
                for (int i = 0; i < list->count(); ++i)
                    shown << list->itemText(i);
                if (shown != entries) {
                    list->clear();
                    list->addItems(entries);
                }
                if (def.conversion == Conversion::ListIndex) {
                    list->setCurrentIndex(m_store.state(id));
                } else {
                    const QString text = toQString(m_store.text(id));
                    list->setCurrentIndex(static_cast<int>(entries.indexOf(text)));
                    list->setEditText(text);
                }
            } else if (auto* flag = qobject_cast<QAbstractButton*>(widget)) {
                const std::string_view letter = m_store.flagLetter(id);
                flag->setText(QString::fromLatin1(letter.data(), static_cast<qsizetype>(letter.size())));
                describeForReaders(flag, "letter", flag->text());
            }
        }
    }
    if (const auto display = m_displays.find(id); display != m_displays.end() && !display->second.isNull()) {
        auto* box = qobject_cast<QLineEdit*>(display->second.data());
        const auto row = m_store.display(id);
        box->setText(row ? QString::fromLatin1(row->text.data(), static_cast<qsizetype>(row->text.size())) : QString());
        QPalette palette = box->palette();
        const QColor background
            = row ? QColor(row->background.red, row->background.green, row->background.blue) : QColor(Qt::white);
        palette.setColor(QPalette::Base, background);
        // Black text, but white on the black of the weakest light.
        palette.setColor(QPalette::Text, background == QColor(Qt::black) ? QColor(Qt::white) : QColor(Qt::black));
        box->setPalette(palette);
    }
}

void SettingsBinder::showMarks()
{
    for (const auto& [id, widgets] : m_widgets) {
        const bool changes = m_marks->changes(id);
        for (const QPointer<QWidget>& widget : widgets) {
            if (widget.isNull())
                continue;
            // An option group shows its sign at the option chosen; readers
            // hear it at every one.
            const auto* option = qobject_cast<const QRadioButton*>(widget.data());
            const std::pair<bool, bool> state{changes, changes && (option == nullptr || option->isChecked())};
            std::pair<bool, bool>& shown = m_marked[widget.data()];
            if (shown != state) {
                shown = state;
                m_marks->mark(widget, state.first, state.second);
            }
        }
    }
}

bool SettingsBinder::eventFilter(QObject* watched, QEvent* event)
{
    const auto found = m_settingOf.find(watched);
    if (found == m_settingOf.end())
        return QObject::eventFilter(watched, event);
    const SettingId id = found->second;

    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // A field would undo its own typing alone; the window's shortcut
        // undoes in the store instead.
        if (static_cast<QKeyEvent*>(event)->matches(QKeySequence::Undo)
            || static_cast<QKeyEvent*>(event)->matches(QKeySequence::Redo)) {
            event->ignore();
            return true;
        }
        break;
    case QEvent::FocusOut:
        if (qobject_cast<QLineEdit*>(watched) && !m_checking
            && userMovedOn(static_cast<QFocusEvent*>(event)->reason())) {
            m_pendingCheck = id;
            // Checked once the focus has moved, not in the middle of moving it.
            QTimer::singleShot(0, this, [this, id] {
                if (m_pendingCheck == id)
                    checkPendingField();
            });
        }
        break;
    case QEvent::KeyPress: {
        // A list's entry can only be picked, not typed: a letter or digit
        // is swallowed, while Tab, Space, F4 and the arrows keep their use.
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (qobject_cast<QComboBox*>(watched) && !typed.isEmpty() && typed.at(0).isPrint()
            && typed != QStringLiteral(" "))
            return true;
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool SettingsBinder::checkFocusedField()
{
    const auto found = m_settingOf.find(QApplication::focusWidget());
    if (found != m_settingOf.end() && qobject_cast<QLineEdit*>(found->first))
        m_pendingCheck = found->second;
    return checkPendingField();
}

bool SettingsBinder::checkPendingField()
{
    if (!m_pendingCheck)
        return true;
    const SettingId id = *m_pendingCheck;
    m_pendingCheck.reset();

    const QScopedValueRollback<bool> checking(m_checking, true);
    const FieldVerdict verdict = checkField(kSettings[id].checks, m_store.text(id), kSettings[id].input);
    for (const std::string& message : verdict.messages)
        m_ui.message(message);
    // A correction belongs to the step of what was typed; the next edit of
    // the field, once left, is a step of its own.
    m_store.typeText(id, verdict.text);
    m_store.closeStep();
    if (verdict.keepFocus) {
        for (const QPointer<QWidget>& widget : m_widgets[id]) {
            if (!widget.isNull())
                widget->setFocus(Qt::OtherFocusReason);
        }
    }
    return !verdict.keepFocus;
}

} // namespace golv
