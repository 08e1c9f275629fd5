// Renders every window of GOLV to a PNG file named after the window, so
// layouts can be reviewed without a screen:
//
//   golv-screenshots OUTPUT-FOLDER [LANGUAGE-FILE]
//
// Like GOLV it works on the folder it is started in, which should hold
// golv.cfg and quenb.exe (`make screenshots` prepares one). A few settings of
// every window are changed first, as a preset load would, so that the marks
// of what "modify" would change and the counts on the main window's buttons
// show. It prints each file it wrote and ends with 1 when a file could not be
// written.

#include "config/PlatformFile.h"
#include "config/Session.h"
#include "language/LanguageFile.h"
#include "presets/Presets.h"
#include "startup/Startup.h"
#include "ui/AboutBox.h"
#include "ui/DialogFont.h"
#include "ui/MainWindow.h"
#include "ui/QtUserInteraction.h"
#include "ui/Windows.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QPixmap>
#include <QTimer>

#include <algorithm>
#include <array>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

namespace {

using namespace std::chrono_literals;

struct Shot {
    QWidget& (*open)(golv::Windows&);
    // How long the window runs before its picture is taken.
    std::chrono::milliseconds settle;
};

template <golv::Window window> QWidget& customizer(golv::Windows& windows) { return *windows.customizer(window); }

// One row per window. The about box's first credit line is fully lit after 25
// ticks of its timer.
const std::array kShots = {
    Shot{[](golv::Windows& windows) -> QWidget& { return windows.form1(); }, 0ms},
    Shot{[](golv::Windows& windows) -> QWidget& { return windows.form2(); }, 2500ms},
    Shot{customizer<golv::Window::CustWeapons>, 0ms},
    Shot{customizer<golv::Window::CustBars>, 0ms},
    Shot{customizer<golv::Window::CustFonts>, 0ms},
    Shot{customizer<golv::Window::CustGfx>, 0ms},
    Shot{customizer<golv::Window::CustGfx2>, 0ms},
    Shot{customizer<golv::Window::CustLite>, 0ms},
    Shot{customizer<golv::Window::CustInv>, 0ms},
    Shot{customizer<golv::Window::CustEnemy>, 0ms},
    Shot{customizer<golv::Window::CustOxmaHP>, 0ms},
    Shot{customizer<golv::Window::CustPhys>, 0ms},
};

// Settings of every window, and of every kind of control, that the synthetic
// executable does not hold.
const std::vector<std::string> kChangedSettings = {"[preset]", "version=0.673", "DrawingDistanceRange=5",
    "RemoveLookTransparency=1", "PonytailMode=1", "NoAmmoBugSoundID=40", "PistolDamage=7", "GrenNormFlag=2",
    "HMainColourR=200", "HHide=1", "MainFontMainColourR=100", "MainMenuAlign=2", "ShadowA=50", "SparkleAmount=9",
    "PistolFlashArea=20", "BinocsRange=05", "FlareColour=2", "DefBigMedkits=2", "SkeletonHP=99", "ShellGravity=7",
    "SwimSpeed=0030", "BatDmg=5", "InDartsLeakage=9"};

// Long enough for a shown window to be laid out and painted.
constexpr std::chrono::milliseconds kMinimumSettle = 100ms;

void runEventsFor(std::chrono::milliseconds time)
{
    QEventLoop loop;
    QTimer::singleShot(time, &loop, &QEventLoop::quit);
    loop.exec();
}

// Whether every field of `window` shows its text line. A font whose
// line metrics the font engine misreads (it happened under Wine) puts the text out
// of sight, which shows only as empty fields in an otherwise good picture.
bool textLinesInsideTheirFields(const QWidget& window)
{
    bool inside = true;
    for (const QLineEdit* field : window.findChildren<QLineEdit*>()) {
        // The cursor rectangle is the text line that the field draws in.
        const QRect line = field->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        // A pixel row lost at an edge leaves the text readable; a quarter does not.
        const int shown = line.intersected(field->rect()).height();
        if (field->isVisible() && shown * 4 < line.height() * 3) {
            // A list's own field has no name; the list's is the one to report.
            const QObject* named = field->objectName().isEmpty() ? field->parent() : field;
            std::cerr << window.objectName().toStdString() << ": the text of " << named->objectName().toStdString()
                      << " is drawn outside the field (line " << line.top() << " to " << line.bottom()
                      << ", field height " << field->height() << ")\n";
            inside = false;
        }
    }
    return inside;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    golv::useAnInstalledDialogFont();
    if (argc != 2 && argc != 3) {
        std::cerr << "usage: golv-screenshots OUTPUT-FOLDER [LANGUAGE-FILE]\n";
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    if (!output.mkpath(QStringLiteral("."))) {
        std::cerr << "cannot create the folder " << output.path().toStdString() << '\n';
        return 1;
    }

    golv::QtUserInteraction interaction;
    golv::Session session(interaction);
    std::error_code noFolder;
    const std::filesystem::path folder = std::filesystem::current_path(noFolder);
    if (noFolder) {
        std::cerr << "the current folder cannot be found: " << noFolder.message() << '\n';
        return 1;
    }
    if (golv::runStartup(session, golv::platform::utf8Path(folder)) == golv::StartupResult::Fatal)
        return 1;
    // As at the end of start-up; a language file given here takes the place
    // of the one golv.cfg names.
    if (argc == 3)
        session.languageFile = golv::platform::utf8Path(std::filesystem::absolute(argv[2]));
    golv::LoadLanguageFile(session);

    golv::Windows windows(session);
    interaction.setParent(&windows.form1());
    if (!golv::applyPreset(session, kChangedSettings)) {
        std::cerr << "the settings to mark could not be loaded\n";
        return 1;
    }
    bool allRight = true;
    for (const Shot& shot : kShots) {
        QWidget& window = shot.open(windows);
        window.show();
        runEventsFor(std::max(shot.settle, kMinimumSettle));
        const QString file = output.absoluteFilePath(window.objectName() + QStringLiteral(".png"));
        if (window.grab().save(file, "PNG")) {
            std::cout << file.toStdString() << '\n';
        } else {
            std::cerr << "cannot write " << file.toStdString() << '\n';
            allRight = false;
        }
        allRight = textLinesInsideTheirFields(window) && allRight;
        window.hide();
    }
    return allRight ? 0 : 1;
}
