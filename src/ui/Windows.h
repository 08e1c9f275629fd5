#pragma once

#include <QPointer>

#include <memory>

namespace golv {

class AboutBox;
class MainWindow;
class QtUserInteraction;
struct Session;

// Every window of the program. Each is created on first use and stays
// loaded, hidden between uses, until unloadAll closes them all in their fixed
// order; the settings they show live in the session's store, not in them.
class Windows final {
public:
    Windows(Session& session, QtUserInteraction& ui);
    ~Windows();
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;

    Session& session() { return m_session; }
    QtUserInteraction& ui() { return m_ui; }

    MainWindow& form1();
    // The about box is unloaded by its "close", so every opening is a new one.
    AboutBox& form2();

    // UnloadAllWindows: the customizer windows, the about box, the main
    // window last; then the program ends.
    void unloadAll();

private:
    Session& m_session;
    QtUserInteraction& m_ui;
    std::unique_ptr<MainWindow> m_form1;
    QPointer<AboutBox> m_form2;
    bool m_unloading = false;
};

} // namespace golv
