#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace golv {

struct Session;
class Windows;

// Form1, the main window. For now it shows what start-up found and whether
// "modify" may be pressed; the settings come with the Settings store.
class MainWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    explicit MainWindow(Windows& windows, QWidget* parent = nullptr);

    // Shows the session's status line and the enabled state of "modify".
    void showStartupStatus();

private:
    Windows& m_windows;
    Session& m_session;
    QLabel* m_statusLabel = nullptr;
    QPushButton* m_modifyButton = nullptr;
};

} // namespace golv
