// How long a person waits for each window the first time it opens: from the
// request to the window shown and painted once, in a fresh program every
// repetition (the windows are created on first use). The main window's own
// creation is the yardstick. Prints the median of each, in milliseconds.
// Then the time every mark of what "modify" would change takes to follow one
// edit, with every window open: the plan against the executable's bytes,
// each window's controls and the counts on the main window's buttons. Then
// the processor time the program takes while its window timers run: the
// bars window's blink and the weapons window's 10 ms gunflash preview.
//
//   make bench   (or, in a folder with golv.cfg and quenb.exe,
//                 QT_QPA_PLATFORM=offscreen build/bench/golv-window-bench [REPETITIONS])

#include "UserInteraction.h"
#include "config/Session.h"
#include "settings/SettingId.h"
#include "startup/Startup.h"
#include "ui/ChangeMarks.h"
#include "ui/CustWeapons.h"
#include "ui/MainWindow.h"
#include "ui/Windows.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>

#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

class SilentInteraction final : public golv::UserInteraction {
public:
    void message(std::string_view text, std::string_view, std::string_view) override
    {
        std::fprintf(stderr, "unexpected message: %.*s\n", static_cast<int>(text.size()), text.data());
    }
    bool confirm(std::string_view, std::string_view, std::string_view) override { return false; }
    std::optional<std::string> chooseFileToOpen(std::string_view, std::string_view) override { return {}; }
    std::optional<std::string> chooseFileToSave(std::string_view, std::string_view) override { return {}; }
};

double milliseconds(const QElapsedTimer& clock) { return static_cast<double>(clock.nsecsElapsed()) / 1e6; }

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Shows a window and paints it once, as the first frame a person sees.
void showPainted(QWidget& window)
{
    window.show();
    window.repaint();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;

    std::map<std::string, std::vector<double>> times;
    std::vector<std::string> order;
    auto record = [&](const std::string& name, double time) {
        if (times[name].empty())
            order.push_back(name);
        times[name].push_back(time);
    };

    for (int repetition = 0; repetition < repetitions; ++repetition) {
        SilentInteraction interaction;
        golv::Session session(interaction);
        if (golv::runStartup(session, std::filesystem::current_path()) != golv::StartupResult::ShowWindow) {
            std::fprintf(stderr, "start-up failed: run in a folder with golv.cfg and quenb.exe\n");
            return 1;
        }
        golv::Windows windows(session);
        QElapsedTimer clock;
        clock.start();
        showPainted(windows.form1());
        record("Form1 (main window, yardstick)", milliseconds(clock));
        for (int index = 0; index <= static_cast<int>(golv::Window::CustPhys); ++index) {
            const auto window = static_cast<golv::Window>(index);
            if (!windows.hasCustomizer(window))
                continue;
            clock.restart();
            QDialog* dialog = windows.customizer(window);
            showPainted(*dialog);
            record(dialog->objectName().toStdString(), milliseconds(clock));
            dialog->hide();
        }
        windows.form1().hide();
        QCoreApplication::processEvents();
    }

    // The first program of the run also pays for loading fonts and styles.
    std::printf("first opening, milliseconds: median of %d programs, and the first program\n", repetitions);
    for (const std::string& name : order)
        std::printf("  %-32s %7.2f %7.2f\n", name.c_str(), median(times[name]), times[name].front());

    SilentInteraction interaction;
    golv::Session session(interaction);
    if (golv::runStartup(session, std::filesystem::current_path()) != golv::StartupResult::ShowWindow)
        return 1;
    golv::Windows windows(session);
    showPainted(windows.form1());

    // Each edit turns the pistol damage's mark and the weapons count on or off.
    for (int index = 0; index <= static_cast<int>(golv::Window::CustPhys); ++index) {
        if (windows.hasCustomizer(static_cast<golv::Window>(index)))
            showPainted(*windows.customizer(static_cast<golv::Window>(index)));
    }
    std::vector<double> refreshes;
    for (int edit = 0; edit < 10 * repetitions + 1; ++edit) {
        session.settings.setText(golv::settingId("PistolDamage"), edit % 2 == 0 ? "7" : "1");
        QElapsedTimer clock;
        clock.start();
        windows.marks().refresh();
        refreshes.push_back(milliseconds(clock));
        QCoreApplication::processEvents();
    }
    std::printf("every mark after one edit, every window open: %.3f ms (median of %zu edits)\n", median(refreshes),
        refreshes.size());

    // Processor time while the timers run, over a few seconds of idling.
    showPainted(*windows.customizer(golv::Window::CustBars));
    auto* weapons = static_cast<golv::CustWeapons*>(windows.customizer(golv::Window::CustWeapons));
    showPainted(*weapons);
    weapons->togglePreview();
    constexpr int kIdleMilliseconds = 5000;
    QElapsedTimer wall;
    wall.start();
    const std::clock_t processorBefore = std::clock();
    QEventLoop idle;
    QTimer::singleShot(kIdleMilliseconds, &idle, &QEventLoop::quit);
    idle.exec();
    const double processor = static_cast<double>(std::clock() - processorBefore) / CLOCKS_PER_SEC;
    std::printf("with the bars blink and the gunflash preview running for %.1f s: %.2f %% of one core\n",
        milliseconds(wall) / 1000, 100 * processor / (milliseconds(wall) / 1000));
    return 0;
}
