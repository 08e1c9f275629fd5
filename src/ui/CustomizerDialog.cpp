#include "ui/CustomizerDialog.h"

#include "UserInteraction.h"
#include "config/CommonSection.h"
#include "config/Session.h"
#include "language/CaptionTable.h"
#include "ui/OwnControls.h"
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
    setObjectName(controlName(windowName(id)));
    setWindowTitle(m_form.caption(titleCaption(id)));
    setModal(true);
}

CustomizerDialog::~CustomizerDialog() = default;

Session& CustomizerDialog::session() { return m_windows.session(); }

void CustomizerDialog::finish(QLayout* content, Commands commands, const QString& help)
{
    QPushButton* helpButton = nullptr;
    if (!help.isEmpty()) {
        helpButton = m_form.ownButton(own::kHelp, QStringLiteral("?"), m_form.shared("help"));
        m_form.onClick(helpButton, [this, help] { session().ui.message(help.toStdString()); });
    }
    QPushButton* defaults = m_form.button(commands.defaults);
    QPushButton* apply = m_form.button(commands.apply);
    // An apply button that another key captions (the physics window's reads
    // as "defaults" does) is named by the key "apply" for readers, so that
    // two buttons never sound alike.
    constexpr CaptionKey<Window::CustBars> applyWord = "apply";
    if (entry(commands.apply).key != entry(applyWord).key)
        apply->setAccessibleName(captionText(session(), applyWord));
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
}

void CustomizerDialog::keyPressEvent(QKeyEvent* event)
{
    // No button of the window is a default (FormBuilder::ownButton): Return
    // runs the focused one alone.
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
