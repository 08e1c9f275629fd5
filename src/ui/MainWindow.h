#pragma once

#include "language/CaptionTable.h"

#include <QWidget>

#include <memory>

class QLabel;
class QPushButton;

namespace golv {

class FormBuilder;
class SettingsBinder;
class Windows;
struct Session;

// Form1, the main window: the main settings, the drawing-distance presets,
// the buttons that open the customizer windows (each with the number of its
// settings "modify" would change) and the about box, and the commands "load
// preset", "save preset", "defaults", "read executable", "modify" and "quit".
// Every setting lives in the Settings store; the window binds its controls
// to it by name.
class MainWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    explicit MainWindow(Windows& windows, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Words the status line from what GOLV found of the executable, and
    // lets "modify", "export patch..." and "read executable" run only on an
    // identified build.
    void showStartupStatus();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLayout();
    void connectCommands();
    void setDistances(int drawing, int fog);
    void restoreDefaults();
    void findSetting();
    void chooseLanguage();
    void refreshRangeWarning();
    // What the executable holds changed, or its bytes may have: marks anew.
    void executableTouched();
    void showCounts();
    QPushButton* button(CaptionId caption) const;

    Windows& m_windows;
    Session& m_session;
    // Commands run only once the field the click took the focus from passed its checks.
    std::unique_ptr<FormBuilder> m_form;
    SettingsBinder* m_binder = nullptr;
    QLabel* m_rangeWarning = nullptr;
    int m_observer = -1;
};

} // namespace golv
