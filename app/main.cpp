#include "config/Session.h"
#include "config/Startup.h"
#include "ui/MainWindow.h"
#include "ui/QtUserInteraction.h"

#include <QApplication>

#include <filesystem>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("GOLV"));

    golv::QtUserInteraction interaction;
    golv::Session session(interaction);

    // GOLV works on the folder it is started in, not the folder of the program file.
    if (golv::runStartup(session, std::filesystem::current_path()) == golv::StartupResult::Fatal)
        return 1;

    golv::MainWindow window(session);
    interaction.setParent(&window);
    window.show();
    return QApplication::exec();
}
