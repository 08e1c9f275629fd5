#include "ui/Windows.h"

#include "config/Session.h"
#include "settings/SettingId.h"
#include "ui/AboutBox.h"
#include "ui/ChangeMarks.h"
#include "ui/CustBars.h"
#include "ui/CustEnemy.h"
#include "ui/CustFonts.h"
#include "ui/CustGfx.h"
#include "ui/CustGfx2.h"
#include "ui/CustInv.h"
#include "ui/CustLite.h"
#include "ui/CustOxmaHP.h"
#include "ui/CustPhys.h"
#include "ui/CustWeapons.h"
#include "ui/CustomizerDialog.h"
#include "ui/MainWindow.h"
#include "ui/WindowKeys.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>

#include <algorithm>

namespace golv {

namespace {

template <typename Dialog> QDialog* make(Windows& windows, QWidget* parent) { return new Dialog(windows, parent); }

} // namespace

Windows::Windows(Session& session) : m_session(session)
{
    // What start-up read is no step anyone can undo.
    session.settings.forgetHistory();
    m_factories[Window::CustWeapons] = make<CustWeapons>;
    m_factories[Window::CustBars] = make<CustBars>;
    m_factories[Window::CustFonts] = make<CustFonts>;
    m_factories[Window::CustGfx] = make<CustGfx>;
    m_factories[Window::CustGfx2] = make<CustGfx2>;
    m_factories[Window::CustLite] = make<CustLite>;
    m_factories[Window::CustInv] = make<CustInv>;
    m_factories[Window::CustEnemy] = make<CustEnemy>;
    m_factories[Window::CustOxmaHP] = make<CustOxmaHP>;
    m_factories[Window::CustPhys] = make<CustPhys>;
    m_marks = std::make_unique<ChangeMarks>(session);
    m_chooseColour = [](const QColor& initial, QWidget* parent) -> std::optional<QColor> {
        const QColor chosen = QColorDialog::getColor(initial, parent);
        if (!chosen.isValid())
            return std::nullopt;
        return chosen;
    };
}

Windows::~Windows() = default;

UserInteraction& Windows::ui() { return m_session.ui; }

MainWindow& Windows::form1()
{
    if (!m_form1)
        m_form1 = std::make_unique<MainWindow>(*this);
    return *m_form1;
}

AboutBox& Windows::form2()
{
    if (m_form2.isNull())
        m_form2 = new AboutBox(m_session, m_form1.get());
    return *m_form2;
}

bool Windows::hasCustomizer(Window window) const { return m_factories.count(window) != 0; }

QDialog* Windows::customizer(Window window)
{
    QPointer<QDialog>& dialog = m_customizers[window];
    if (dialog.isNull() && hasCustomizer(window))
        dialog = m_factories.at(window)(*this, &form1());
    return dialog.data();
}

void Windows::openCustomizer(Window window)
{
    if (QDialog* dialog = customizer(window))
        dialog->exec();
}

QWidget* Windows::controlOf(SettingId id)
{
    const SettingDef& def = kSettings[id];
    QWidget* window = def.window == Window::Form1 ? static_cast<QWidget*>(&form1()) : customizer(def.window);
    if (window == nullptr)
        return nullptr;
    const QString name = kindOf(def.conversion) == ControlKind::Option
        ? controlName(def.control, std::max(m_session.settings.state(id), 0))
        : controlName(def.control);
    return window->findChild<QWidget*>(name);
}

void Windows::goTo(SettingId id)
{
    QWidget* control = controlOf(id);
    if (control == nullptr)
        return;
    if (auto* dialog = qobject_cast<CustomizerDialog*>(control->window())) {
        dialog->focusOnShow(control);
        dialog->exec();
        return;
    }
    control->window()->activateWindow();
    control->setFocus(Qt::OtherFocusReason);
}

void Windows::rebuild()
{
    for (auto& [window, dialog] : m_customizers) {
        if (!dialog.isNull())
            dialog->deleteLater();
    }
    m_customizers.clear();
    if (!m_form2.isNull())
        m_form2->deleteLater();
    if (!m_form1)
        return;
    const QRect place = m_form1->geometry();
    const bool shown = m_form1->isVisible();
    MainWindow* old = m_form1.release();
    old->hide();
    old->deleteLater();
    form1().setGeometry(place);
    if (shown) {
        m_form1->show();
        m_form1->activateWindow();
    }
}

void Windows::resetWeaponsPreview()
{
    if (const auto found = m_customizers.find(Window::CustWeapons); found != m_customizers.end())
        if (auto* weapons = qobject_cast<CustWeapons*>(found->second.data()))
            weapons->stopPreview();
}

std::optional<QColor> Windows::chooseColour(const QColor& initial, QWidget* parent) const
{
    return m_chooseColour(initial, parent);
}

void Windows::unloadAll()
{
    // Closing the main window by its frame comes back here; once is enough.
    if (m_unloading)
        return;
    m_unloading = true;
    for (const Window window :
        {Window::CustPhys, Window::CustOxmaHP, Window::CustBars, Window::CustFonts, Window::CustGfx, Window::CustGfx2,
            Window::CustLite, Window::CustInv, Window::CustEnemy, Window::CustWeapons}) {
        if (const auto found = m_customizers.find(window); found != m_customizers.end() && !found->second.isNull())
            delete found->second.data();
    }
    if (!m_form2.isNull())
        delete m_form2.data();
    if (m_form1)
        m_form1->hide();
    QApplication::quit();
}

} // namespace golv
