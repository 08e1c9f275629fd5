#include "ui/Windows.h"

#include "ui/AboutBox.h"
#include "ui/MainWindow.h"
#include "ui/QtUserInteraction.h"

#include <QApplication>

namespace golv {

Windows::Windows(Session& session, QtUserInteraction& ui) : m_session(session), m_ui(ui) { }

Windows::~Windows() = default;

MainWindow& Windows::form1()
{
    if (!m_form1) {
        m_form1 = std::make_unique<MainWindow>(*this);
        m_ui.setParent(m_form1.get());
    }
    return *m_form1;
}

AboutBox& Windows::form2()
{
    if (m_form2.isNull())
        m_form2 = new AboutBox(m_form1.get());
    return *m_form2;
}

void Windows::unloadAll()
{
    // Closing the main window by its frame comes back here; once is enough.
    if (m_unloading)
        return;
    m_unloading = true;
    if (!m_form2.isNull())
        delete m_form2.data();
    if (m_form1) {
        m_ui.setParent(nullptr);
        m_form1->hide();
    }
    QApplication::quit();
}

} // namespace golv
