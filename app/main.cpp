#include "config/Session.h"
#include "language/LanguageFile.h"
#include "startup/SilentMode.h"
#include "startup/Startup.h"
#include "ui/Artwork.h"
#include "ui/CommandLine.h"
#include "ui/DialogFont.h"
#include "ui/MainWindow.h"
#include "ui/QtUserInteraction.h"
#include "ui/Windows.h"

#include <QApplication>

#include <cstdio>

#ifdef _WIN32
#include <windows.h>

#include <shellapi.h> // needs windows.h first
#endif

namespace {

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
#ifdef _WIN32
    // The narrow arguments of Windows lose every letter outside the system's
    // code page; a preset's file name must keep them.
    (void)argv;
    int count = 0;
    if (wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i)
            arguments << QString::fromWCharArray(wide[i]);
        ::LocalFree(wide);
        return arguments;
    }
#endif
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

#ifdef _WIN32
// A window program starts without a console: a command typed in one prints
// there only once it joins it. Output sent to a file or a pipe needs nothing.
void printToTheParentConsole()
{
    const HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
    if (output != nullptr && output != INVALID_HANDLE_VALUE)
        return;
    if (!::AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    std::freopen("CONOUT$", "w", stdout);
    std::freopen("CONOUT$", "w", stderr);
}
#endif

} // namespace

int main(int argc, char* argv[])
{
    // A command for a script needs no display: it runs before any window can.
    const QStringList arguments = argumentsOf(argc, argv);
    if (golv::isCommandLineRun(arguments)) {
#ifdef _WIN32
        printToTheParentConsole();
#endif
        QCoreApplication application(argc, argv);
        return golv::runCommandLine(arguments);
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("GOLV"));
    golv::useAnInstalledDialogFont();

    golv::QtUserInteraction interaction;
    golv::Session session(interaction);

    // GOLV works on the folder it is started in, not the folder of the program file.
    std::string noFolder;
    const auto folder = golv::workingFolder(arguments, noFolder);
    if (!folder) {
        interaction.message("GOLV cannot start: " + noFolder, {}, {});
        return 1;
    }
    if (golv::runStartup(session, *folder) == golv::StartupResult::Fatal)
        return 1;
    // Scripts tell a silent run that patched (0) from one that wrote nothing
    // (2); 1 is an unusable configuration.
    switch (golv::runSilentPatch(session)) {
    case golv::SilentOutcome::Patched:
        return 0;
    case golv::SilentOutcome::Ended:
        return 2;
    case golv::SilentOutcome::NotSilent:
        break;
    }
    golv::LoadLanguageFile(session);

    QApplication::setWindowIcon(golv::artwork::programIcon());
    golv::Windows windows(session);
    interaction.setParent(&windows.form1());
    windows.form1().show();
    return QApplication::exec();
}
