#include "config/DefaultConfig.h"
#include "support/TempFolder.h"

#include <QProcess>
#include <QtTest>

#include <algorithm>
#include <cstdlib>

namespace golv {

// The real program, started the way a build script would start it.
class SilentRunTest : public QObject {
    Q_OBJECT

private slots:
    void patchesAndExitsWithStatusZero()
    {
        test::TempFolder folder;
        std::vector<std::string> lines = defaultConfigLines();
        std::ranges::replace(lines, std::string("SilentPatch=0"), std::string("SilentPatch=1"));
        folder.write("golv.cfg", test::crlfText(lines));
        const std::string command = std::string(GOLV_MAKE_TEST_EXE) + " '" + (folder / "quenb.exe").string() + "'";
        QCOMPARE(std::system(command.c_str()), 0);
        std::string image = folder.read("quenb.exe");
        image[730271 - 1] = '\0'; // the drawing distance, which the default run writes as A0 46
        image[730272 - 1] = '\0';
        folder.write("quenb.exe", image);

        QProcess golv;
        golv.setWorkingDirectory(QString::fromStdString(folder.path().string()));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        golv.setProcessEnvironment(environment);
        golv.start(QStringLiteral(GOLV_PROGRAM), {});
        QVERIFY(golv.waitForFinished(10000));
        QCOMPARE(golv.exitStatus(), QProcess::NormalExit);
        QCOMPARE(golv.exitCode(), 0);
        const std::string patched = folder.read("quenb.exe");
        QCOMPARE(patched.substr(730271 - 1, 2), std::string("\xA0\x46"));
        QCOMPARE(patched.size(), image.size());
    }
};

} // namespace golv

QTEST_MAIN(golv::SilentRunTest)
#include "SilentRunTest.moc"
