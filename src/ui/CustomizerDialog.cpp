#include "ui/CustomizerDialog.h"

#include "UserInteraction.h"
#include "config/CommonSection.h"
#include "config/Session.h"
#include "language/CaptionTable.h"
#include "ui/SettingsBinder.h"
#include "ui/Windows.h"

#include <QKeyEvent>
#include <QLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace golv {

CustomizerDialog::CustomizerDialog(Windows& windows, Window id, Category category, QWidget* parent)
    : QDialog(parent), m_windows(windows), m_category(category), m_form(this, id, windows)
{
    setObjectName(QString::fromLatin1(windowName(id).data(), static_cast<qsizetype>(windowName(id).size())));
    setWindowTitle(m_form.caption(kWindowTitle.data()));
    setModal(true);
}

CustomizerDialog::~CustomizerDialog() = default;

Session& CustomizerDialog::session() { return m_windows.session(); }

void CustomizerDialog::finish(QLayout* content, const QString& help)
{
    QPushButton* helpButton = nullptr;
    if (!help.isEmpty()) {
        helpButton = m_form.ownButton("Command4", QStringLiteral("?"), m_form.shared("help"));
        m_form.onClick(helpButton, [this, help] { session().ui.message(help.toStdString()); });
    }
    // The physics window's apply button is Command3; every other window's is Command1.
    const char* applyName = m_form.id() == Window::CustPhys ? "Command3" : "Command1";
    QPushButton* defaults = m_form.button("Command2");
    QPushButton* apply = m_form.button(applyName);
    // The key "defaults" also captions the physics window's apply button, so
    // two of its buttons may read the same; readers hear what each does.
    if (m_form.id() == Window::CustPhys)
        apply->setAccessibleName(captionText(session(), Window::CustBars, "Command1"));
    defaults->setAccessibleDescription(m_form.shared("defaultsdescription"));
    apply->setAccessibleDescription(m_form.shared("applydescription"));
    m_form.onClick(defaults, [this] { restoreDefaults(); });
    m_form.onClick(apply, [this] { accept(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(content);
    layout->addSpacing(6);
    if (helpButton != nullptr)
        layout->addLayout(m_form.commandRow({helpButton}, {defaults, apply}));
    else
        layout->addLayout(m_form.commandRow({}, {defaults, apply}));

    m_binder = new SettingsBinder(session().settings, m_windows.ui(), m_form.id(), this, &m_windows.marks());
    m_form.setGate([this] { return m_binder->checkPendingField(); });

    // A dialog makes its first auto-default button the one Return in any
    // field clicks: here that is "defaults", the preview or recalculate, so
    // Return after typing a value would throw the window's values away or
    // run a command nobody chose. No button is a default; Return runs only
    // the button that has the focus (keyPressEvent).
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(false);
}

void CustomizerDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button != nullptr && button->isEnabled())
            button->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CustomizerDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Under X, Qt took the Tab stop from a group of option buttons that had
    // the focus once; showing them again gives it back.
    m_binder->refreshAll();
    // A dialog would give the focus back to the control last used, often
    // "apply"; each opening starts at the first field instead.
    // A control greyed by its switch cannot take the focus; the window then
    // starts as usual.
    QWidget* target = m_focusOnShow && m_focusOnShow->isEnabled() ? m_focusOnShow.data() : nullptr;
    m_focusOnShow = nullptr;
    for (QWidget* widget = nextInFocusChain(); target == nullptr && widget != this;
         widget = widget->nextInFocusChain()) {
        if (widget->isVisibleTo(this) && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus))
            target = widget;
    }
    if (target != nullptr)
        target->setFocus(Qt::OtherFocusReason);
}

void CustomizerDialog::restoreDefaults()
{
    Session& current = session();
    const SettingsStore::Step step(current.settings);
    if (Status read = ReadCommonSection(current, m_category); !read)
        current.ui.message("The defaults could not be read.\n" + read.reason());
}

// Escape and the frame's close button both come here (QDialog's closeEvent
// rejects); like "apply", they only hide the window.
void CustomizerDialog::reject()
{
    if (m_binder->checkFocusedField())
        QDialog::reject();
}

} // namespace golv
