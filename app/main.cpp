#include "config/Session.h"
#include "config/Startup.h"
#include "language/LanguageFile.h"
#include "patcher/SilentMode.h"
#include "ui/Artwork.h"
#include "ui/MainWindow.h"
#include "ui/QtUserInteraction.h"
#include "ui/Windows.h"

#include <QApplication>

#include <filesystem>
#include <system_error>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("GOLV"));

    golv::QtUserInteraction interaction;
    golv::Session session(interaction);

    // GOLV works on the folder it is started in, not the folder of the program file.
    std::error_code noFolder;
    const std::filesystem::path folder = std::filesystem::current_path(noFolder);
    if (noFolder) {
        interaction.message(
            "GOLV cannot start: the folder it was started in cannot be found (" + noFolder.message() + ").", {}, {});
        return 1;
    }
    if (golv::runStartup(session, folder) == golv::StartupResult::Fatal)
        return 1;
    // Scripts tell a silent run that patched (0) from one that wrote nothing
    // (2) and one the system stopped halfway (3); 1 is an unusable configuration.
    switch (golv::runSilentPatch(session)) {
    case golv::SilentOutcome::Patched:
        return 0;
    case golv::SilentOutcome::Ended:
        return 2;
    case golv::SilentOutcome::PartlyWritten:
        return 3;
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
