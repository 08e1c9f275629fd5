#include "config/Session.h"
#include "config/Startup.h"
#include "support/RecordingInteraction.h"
#include "support/TempFolder.h"
#include "ui/MainWindow.h"
#include "ui/Windows.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <cstdlib>

namespace golv {

class MainWindowStartupTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheFoundBuildAndEnablesModify()
    {
        test::TempFolder folder;
        const std::string command
            = std::string(GOLV_MAKE_TEST_EXE) + " --with-config '" + (folder / "quenb.exe").string() + "'";
        QCOMPARE(std::system(command.c_str()), 0);

        test::RecordingInteraction ui;
        Session session(ui);
        QCOMPARE(runStartup(session, folder.path()), StartupResult::ShowWindow);
        QVERIFY(ui.messages.empty());

        Windows windows(session);
        MainWindow& window = windows.form1();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("Label6"))->text(),
            QStringLiteral("Found: ZDWK, EU, orig. or XP mod \\ 9 (11) Dec 2002"));
        QVERIFY(window.findChild<QPushButton*>(QStringLiteral("Command3"))->isEnabled());
    }

    void disablesModifyWhenTheExecutableIsMissing()
    {
        test::TempFolder folder;
        test::RecordingInteraction ui;
        Session session(ui);
        QCOMPARE(runStartup(session, folder.path()), StartupResult::ShowWindow);

        Windows windows(session);
        MainWindow& window = windows.form1();
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("Label6"))->text(), QStringLiteral("quenb.exe not found!"));
        QVERIFY(!window.findChild<QPushButton*>(QStringLiteral("Command3"))->isEnabled());
    }
};

} // namespace golv

QTEST_MAIN(golv::MainWindowStartupTest)
#include "MainWindowStartupTest.moc"
