#include "commandline/CommandLine.h"
#include "config/Session.h"
#include "ui/Artwork.h"
#include "ui/DialogFont.h"
#include "ui/MainWindow.h"
#include "ui/QtUserInteraction.h"
#include "ui/Windows.h"

#include <QApplication>

#include <clocale>
#include <cstdio>
#include <iostream>

#ifdef _WIN32
#include <windows.h>

#include <shellapi.h> // needs windows.h first
#endif

namespace {

golv::Arguments argumentsOf(int argc, char* argv[])
{
    golv::Arguments arguments;
#ifdef _WIN32
    // The narrow arguments of Windows lose every letter outside the system's
    // code page; a preset's file name must keep them.
    (void)argv;
    int count = 0;
    if (wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i)
            arguments.push_back(QString::fromWCharArray(wide[i]).toStdString());
        ::LocalFree(wide);
        return arguments;
    }
#endif
    for (int i = 0; i < argc; ++i)
        arguments.push_back(QString::fromLocal8Bit(argv[i]).toStdString());
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
    const golv::Arguments arguments = argumentsOf(argc, argv);
    if (golv::isCommandLineRun(arguments)) {
#ifdef _WIN32
        printToTheParentConsole();
#else
        // The system's own messages in the user's language, as the window gives them.
        std::setlocale(LC_ALL, "");
#endif
        return static_cast<int>(golv::runCommandLine(arguments, std::cout, std::cerr));
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("GOLV"));
    golv::useAnInstalledDialogFont();

    golv::QtUserInteraction interaction;
    golv::Session session(interaction);
    if (const auto ended = golv::startForTheWindow(session, arguments))
        return static_cast<int>(*ended);

    QApplication::setWindowIcon(golv::artwork::programIcon());
    golv::Windows windows(session);
    interaction.setParent(&windows.form1());
    windows.form1().show();
    return QApplication::exec();
}
