#pragma once

#include "config/Session.h"
#include "language/LanguageFile.h"
#include "startup/Startup.h"
#include "support/RecordingInteraction.h"
#include "support/TempFolder.h"
#include "ui/MainWindow.h"
#include "ui/Swatch.h"
#include "ui/Windows.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace golv::test {

// GOLV started on a synthetic executable in a temporary folder, as far as the
// main window, with the recorder answering every message box and file
// dialog and a scripted colour chooser in place of the colour dialog.
class StartedProgram {
public:
    StartedProgram()
    {
        if (test::runProgram(GOLV_MAKE_TEST_EXE, {"--with-config", folder / "quenb.exe"}) != 0)
            qFatal("make-test-exe failed");
        if (runStartup(session, folder.path()) != StartupResult::ShowWindow)
            qFatal("start-up did not reach the main window");
        LoadLanguageFile(session);
        windows = std::make_unique<Windows>(session);
        windows->setColourChooser([this](const QColor& initial, QWidget*) -> std::optional<QColor> {
            offeredColours.push_back(initial);
            if (chosenColours.empty())
                return std::nullopt;
            const auto chosen = chosenColours.front();
            chosenColours.pop_front();
            return chosen;
        });
    }

    // The main window, shown and active.
    MainWindow& mainWindow()
    {
        MainWindow& window = windows->form1();
        if (!window.isVisible())
            showActive(window);
        return window;
    }

    // A customizer window shown without blocking, as its button would show it.
    QDialog& open(Window which)
    {
        mainWindow();
        QDialog* dialog = windows->customizer(which);
        if (dialog == nullptr)
            qFatal("no such customizer window");
        showActive(*dialog);
        return *dialog;
    }

    // Any window by its name, shown like open() does.
    QWidget& show(Window which) { return which == Window::Form1 ? mainWindow() : static_cast<QWidget&>(open(which)); }

    // Every window a person can open, shown: the main window and each customizer.
    std::vector<std::pair<Window, QWidget*>> showAll()
    {
        std::vector<std::pair<Window, QWidget*>> shown;
        for (int index = 0; index <= static_cast<int>(Window::CustPhys); ++index)
            shown.emplace_back(static_cast<Window>(index), &show(static_cast<Window>(index)));
        return shown;
    }

    // The texts of the messages shown so far.
    QStringList messages() const
    {
        QStringList texts;
        for (const std::string& text : ui.messageTexts())
            texts << QString::fromStdString(text);
        return texts;
    }

    // Shows a window and waits until the application takes it as the active
    // one, which is when the focus moves inside it.
    static void showActive(QWidget& window)
    {
        window.show();
        window.activateWindow();
        if (!QTest::qWaitFor([&window] { return QApplication::activeWindow() == &window; }))
            qFatal("%s did not become the active window", qPrintable(window.objectName()));
    }

    TempFolder folder;
    RecordingInteraction ui;
    Session session{ui};
    std::unique_ptr<Windows> windows;
    std::deque<std::optional<QColor>> chosenColours; // nothing queued: the user cancels
    std::vector<QColor> offeredColours;
};

// The named child of a window; the test stops when there is none.
template <typename Widget> Widget* child(const QWidget& window, const QString& name)
{
    auto* widget = window.findChild<Widget*>(name);
    if (widget == nullptr)
        qFatal("%s has no widget %s", qPrintable(window.objectName()), qPrintable(name));
    return widget;
}

// A window's push button, clicked with the mouse.
inline void click(const QWidget& window, const QString& button)
{
    QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
}

// A swatch by the name readers hear; swatches have no control name of their own.
inline Swatch* swatchNamed(const QWidget& window, const QString& name)
{
    for (Swatch* swatch : window.findChildren<Swatch*>()) {
        if (swatch->accessibleName() == name)
            return swatch;
    }
    qFatal("%s has no swatch %s", qPrintable(window.objectName()), qPrintable(name));
}

// Types into a field over what it holds, then moves on with Tab; the field's
// checks run once the focus has moved.
inline void typeAndLeave(QLineEdit* field, const QString& typed)
{
    field->setFocus();
    field->selectAll();
    if (typed.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else
        QTest::keyClicks(field, typed);
    QTest::keyClick(field, Qt::Key_Tab);
    QCoreApplication::processEvents();
}

} // namespace golv::test
