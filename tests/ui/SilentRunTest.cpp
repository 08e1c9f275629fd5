#include "config/DefaultConfig.h"
#include "support/TempFolder.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QtTest>

#include <cstdlib>

namespace golv {

// The real program, started the way a build script would start it.
class SilentRunTest : public QObject {
    Q_OBJECT

private:
    // Runs build/golv in the folder and returns its exit status.
    static int runGolv(const test::TempFolder& folder, qint64* elapsed = nullptr)
    {
        QProcess golv;
        golv.setWorkingDirectory(QString::fromStdString(folder.path().string()));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        golv.setProcessEnvironment(environment);
        QElapsedTimer timer;
        timer.start();
        golv.start(QStringLiteral(GOLV_PROGRAM), {});
        if (!golv.waitForFinished(10000)) {
            golv.kill();
            return -1;
        }
        if (elapsed != nullptr)
            *elapsed = timer.elapsed();
        return golv.exitStatus() == QProcess::NormalExit ? golv.exitCode() : -1;
    }

    static void prepare(const test::TempFolder& folder)
    {
        std::vector<std::string> lines = defaultConfigLines();
        for (std::string& line : lines) {
            if (line == "SilentPatch=0")
                line = "SilentPatch=1";
        }
        folder.write("golv.cfg", test::crlfText(lines));
        const std::string command = std::string(GOLV_MAKE_TEST_EXE) + " '" + (folder / "quenb.exe").string() + "'";
        QCOMPARE(std::system(command.c_str()), 0);
    }

private slots:
    void patchesAndExitsWithStatusZero()
    {
        test::TempFolder folder;
        prepare(folder);
        std::string image = folder.read("quenb.exe");
        image[730271 - 1] = '\0'; // the drawing distance, which the default run writes as A0 46
        image[730272 - 1] = '\0';
        folder.write("quenb.exe", image);

        qint64 elapsed = 0;
        QCOMPARE(runGolv(folder, &elapsed), 0);
        const std::string patched = folder.read("quenb.exe");
        QCOMPARE(patched.substr(730271 - 1, 2), std::string("\xA0\x46"));
        QCOMPARE(patched.size(), image.size());
        qInfo("silent run, start to end: %lld ms", static_cast<long long>(elapsed));
    }
};

} // namespace golv

QTEST_MAIN(golv::SilentRunTest)
#include "SilentRunTest.moc"
