#include "ui/Windows.h"

#include "config/Session.h"
#include "ui/AboutBox.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QDialog>

namespace golv {

Windows::Windows(Session& session) : m_session(session)
{
    // Each customizer window adds its factory here when it is built.
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
        m_form2 = new AboutBox(m_form1.get());
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

void Windows::resetWeaponsPreview() { }

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
