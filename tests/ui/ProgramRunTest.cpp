#include "config/DefaultConfig.h"
#include "config/Session.h"
#include "config/VersionTables.h"
#include "support/RandomSettings.h"
#include "support/RecordingInteraction.h"
#include "support/TempFolder.h"

#include <QProcess>
#include <QtTest>

#include <algorithm>
#include <filesystem>
#include <map>

namespace golv {
namespace {

// The real program, started the way a script would start it, in a folder
// with golv.cfg and a synthetic executable whose drawing distance the
// default settings change (A0 46 instead of 00 00); a line of the default
// golv.cfg may be given another.
class Folder {
public:
    explicit Folder(const std::string& line = {}, const std::string& instead = {})
    {
        std::vector<std::string> lines = defaultConfigLines();
        std::ranges::replace(lines, line, instead);
        folder.write("golv.cfg", test::crlfText(lines));
        if (test::runProgram(GOLV_MAKE_TEST_EXE, {folder / "quenb.exe"}) != 0)
            qFatal("make-test-exe failed");
        std::string image = folder.read("quenb.exe");
        image[kDrawingDistance - 1] = '\0';
        image[kDrawingDistance] = '\0';
        folder.write("quenb.exe", image);
    }

    struct Run {
        int exitCode = -1;
        QString out;
        QString err;
    };
    Run golv(const QStringList& arguments) const
    {
        QProcess process;
        process.setWorkingDirectory(QString::fromStdString(folder.path()));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(GOLV_PROGRAM), arguments);
        if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit)
            qFatal("golv did not end by itself");
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
    }

    // xdelta3 applied to the executable as it is; the file it makes.
    std::string applyDelta(const std::string& delta) const
    {
        if (test::runProgram(
                "xdelta3", {"-d", "-f", "-s", folder / "quenb.exe", folder / delta, folder / "applied.exe"})
            != 0)
            qFatal("xdelta3 refused the delta");
        return folder.read("applied.exe");
    }

    // Every file of the folder with its content, to tell what a run wrote.
    std::map<std::string, std::string> files() const
    {
        std::map<std::string, std::string> found;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.native())) {
            const std::string name = platform::utf8Path(entry.path().lexically_relative(folder.native()));
            found[name] = entry.is_symlink() ? "-> " + platform::utf8Path(std::filesystem::read_symlink(entry.path()))
                : entry.is_regular_file()    ? folder.read(name)
                                             : std::string("(not a file)");
        }
        return found;
    }

    // Every position of golv.cfg within 1500 bytes, over bytes at random:
    // writes cover one another.
    void coverPositions(std::mt19937& random) const
    {
        std::vector<std::string> lines = defaultConfigLines();
        for (std::string& line : lines) {
            const std::string key = line.substr(0, line.find('='));
            if (!key.empty() && key != kOffsetKeys[0] && std::ranges::find(kOffsetKeys, key) != kOffsetKeys.end())
                line = key + "=" + std::to_string(256 + random() % 1500);
        }
        folder.write("golv.cfg", test::crlfText(lines));
        std::string image = folder.read("quenb.exe");
        for (std::size_t i = 0; i < 2012; ++i)
            image[i] = static_cast<char>(random());
        folder.write("quenb.exe", image);
    }

    static constexpr std::size_t kDrawingDistance = 730271;
    test::TempFolder folder;
};

// One setting of every window.
const std::vector<std::string> kEveryWindow = {"[preset]", "version=0.673", "DrawingDistanceRange=5", "PistolDamage=7",
    "HMainColourR=200", "MainFontMainColourR=100", "ShadowA=50", "SparkleAmount=9", "PistolFlashArea=20",
    "DefBigMedkits=2", "SkeletonHP=99", "ShellGravity=7", "BatDmg=5"};

} // namespace

class ProgramRunTest : public QObject {
    Q_OBJECT

private slots:
    void thePlanListsExactlyWhatChanges()
    {
        const Folder folder;
        folder.folder.write(
            "one.qpt", test::crlfText({"[preset]", "version=0.673", "DrawingDistanceRange=2", "PistolDamage=7"}));
        const std::string before = folder.folder.read("quenb.exe");
        const Folder::Run plan
            = folder.golv({QStringLiteral("--plan"), QStringLiteral("--preset"), QStringLiteral("one.qpt")});
        QCOMPARE(plan.exitCode, 0);
        const QStringList lines = plan.out.trimmed().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 4);
        QVERIFY(lines[1].endsWith(QStringLiteral("DrawingDistanceRange")));
        QCOMPARE(lines[3], QStringLiteral("2 writes change the executable."));
        QVERIFY2(folder.folder.read("quenb.exe") == before, "a plan writes nothing");
    }

    void anExportedPatchGivesWhatSilentModeWrites_data()
    {
        QTest::addColumn<bool>("silentPatch");
        QTest::addColumn<QStringList>("silent");
        QTest::addColumn<QStringList>("preset");
        const QStringList flag{QStringLiteral("--silent")};
        QTest::newRow("the default settings") << false << flag << QStringList{};
        QTest::newRow("silent by the configuration") << true << QStringList{} << QStringList{};
        QTest::newRow("a setting of every window")
            << false << flag << QStringList{QStringLiteral("--preset"), QStringLiteral("every.qpt")};
    }

    void anExportedPatchGivesWhatSilentModeWrites()
    {
        QFETCH(bool, silentPatch);
        QFETCH(QStringList, silent);
        QFETCH(QStringList, preset);
        const Folder folder = silentPatch ? Folder("SilentPatch=0", "SilentPatch=1") : Folder();
        folder.folder.write("every.qpt", test::crlfText(kEveryWindow));
        const std::string before = folder.folder.read("quenb.exe");
        QCOMPARE(
            folder.golv(QStringList{QStringLiteral("--export-patch"), QStringLiteral("out.xdelta")} + preset).exitCode,
            0);
        QVERIFY2(folder.folder.read("quenb.exe") == before, "exporting touches no executable");
        const std::string applied = folder.applyDelta("out.xdelta");

        QCOMPARE(folder.golv(silent + preset).exitCode, 0);
        const std::string patched = folder.folder.read("quenb.exe");
        QCOMPARE(patched.size(), before.size());
        QVERIFY(patched != before);
        QVERIFY2(applied == patched, "xdelta3 gives the bytes modify writes");

        // Once patched, nothing is left to change: the delta gives the file back.
        QCOMPARE(
            folder.golv(QStringList{QStringLiteral("--export-patch"), QStringLiteral("none.vcdiff")} + preset).exitCode,
            0);
        QVERIFY(folder.applyDelta("none.vcdiff") == patched);
    }

    // What a command must not do: write anything it was not asked to, or a
    // file that is not the one it read. Each row sets up the folder, runs one
    // command and finds every file of the folder as it was, with the exit
    // code and a plain sentence.
    void aRefusedCommandLeavesEveryFileAsItWas_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("instead");
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");
        const QStringList silent{QStringLiteral("--silent")};
        const QStringList restore{QStringLiteral("--restore")};
        auto row = [](const char* name) -> QTestData& { return QTest::newRow(name); };
        row("a plan with an outdated golv.cfg")
            << "Version=0.673"
            << "Version=0.672"
            << "" << QStringList{QStringLiteral("--plan")} << 0 << "a normal start would write golv.cfg anew";
        row("a patch exported over the kept copy of golv.cfg")
            << ""
            << ""
            << "golv.cfg.bak" << QStringList{QStringLiteral("--export-patch"), QStringLiteral("golv.cfg.bak")} << 2
            << "a kept copy of GOLV's configuration";
        row("restore after the game was updated")
            << ""
            << ""
            << "patched, then updated" << restore << 2 << "differ at position 17, which GOLV never writes";
        row("restore of an empty original") << ""
                                            << ""
                                            << "empty original" << restore << 2 << "quenb.exe.orig is empty";
        row("an executable outside the folder") << "ExeName=quenb.exe"
                                                << "ExeName=../quenb.exe"
                                                << "" << silent << 2 << "not a file inside the folder";
        row("a flag no letter stands for")
            << "GrenSupaFlag=2"
            << "GrenSupaFlag=255"
            << "" << silent << 2 << "GrenSupaFlag: \"255\" is not one of the values 1 to 5";
        row("an executable that is a link") << ""
                                            << ""
                                            << "link" << silent << 2 << "is a link to";
        row("settings read over golv.cfg")
            << ""
            << ""
            << "" << QStringList{QStringLiteral("--read-settings"), QStringLiteral("golv.cfg")} << 2
            << "it is GOLV's configuration";
        row("a compare with an executable of another build")
            << ""
            << ""
            << "other build" << QStringList{QStringLiteral("--compare"), QStringLiteral("other.exe")} << 2
            << "other.exe is not of the build";
    }

    void aRefusedCommandLeavesEveryFileAsItWas()
    {
        QFETCH(QString, line);
        QFETCH(QString, instead);
        QFETCH(QString, setUp);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        const Folder folder(line.toStdString(), instead.toStdString());
        const test::TempFolder& files = folder.folder;
        if (setUp == QLatin1String("golv.cfg.bak")) {
            files.write("golv.cfg.bak", std::string_view("a user's own version sections"));
        } else if (setUp == QLatin1String("patched, then updated")) {
            QCOMPARE(folder.golv({QStringLiteral("--silent")}).exitCode, 0);
            std::string updated = files.read("quenb.exe");
            updated[16] = static_cast<char>(updated[16] ^ 0x55);
            files.write("quenb.exe", updated);
        } else if (setUp == QLatin1String("other build")) {
            std::string other = files.read("quenb.exe");
            other[730225 - 1] = 'X';
            files.write("other.exe", other);
        } else if (setUp == QLatin1String("empty original")) {
            files.write("quenb.exe.orig", std::string_view());
        } else if (setUp == QLatin1String("link")) {
            std::filesystem::create_directory(files.native("engine"));
            std::filesystem::rename(files.native("quenb.exe"), files.native("engine/quenb.exe"));
            std::filesystem::create_symlink("engine/quenb.exe", files.native("quenb.exe"));
        }
        const auto before = folder.files();
        const Folder::Run run = folder.golv(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(said), qPrintable(run.err));
        QVERIFY2(folder.files() == before, "every file is as it was");
    }

    // An executable patched with settings any window takes, on the synthetic
    // build and on a configuration whose positions cover one another, reads
    // back as a preset that plans no change and patches it to the same
    // bytes; --compare tells it from its original but not from a copy.
    void whatIsReadPatchesTheSameBytes()
    {
        for (const std::uint32_t seed : {1u, 3u, 10u, 12u}) {
            std::mt19937 random(seed);
            const Folder folder;
            if (seed % 2 == 0)
                folder.coverPositions(random);
            test::RecordingInteraction ui;
            const Session session(ui);
            const SettingValues values = test::randomValues(random, session.settings);
            std::vector<std::string> preset = {"[preset]", "version=0.673"};
            for (SettingId id = 0; id < kSettingCount; ++id) {
                const bool text = kindOf(kSettings[id].conversion) == ControlKind::Text
                    || kSettings[id].conversion == Conversion::ListText;
                preset.push_back(std::string(kSettings[id].key) + "="
                    + (text ? values[id].text : std::to_string(static_cast<int>(values[id].number))));
            }
            folder.folder.write("random.qpt", test::crlfText(preset));
            const QStringList withPreset{QStringLiteral("--preset"), QStringLiteral("read.qpt")};
            QCOMPARE(folder.golv({QStringLiteral("--silent"), QStringLiteral("--preset"), QStringLiteral("random.qpt")})
                         .exitCode,
                0);
            const std::string patched = folder.folder.read("quenb.exe");
            const Folder::Run read = folder.golv({QStringLiteral("--read-settings"), QStringLiteral("read.qpt")});
            QVERIFY2(read.exitCode == 0 && read.err.isEmpty(), qPrintable(read.err));
            QVERIFY(folder.golv(QStringList{QStringLiteral("--plan")} + withPreset)
                        .out.endsWith(QStringLiteral("\n0 writes change the executable.\n")));
            QCOMPARE(folder.golv(QStringList{QStringLiteral("--silent")} + withPreset).exitCode, 0);
            QVERIFY2(folder.folder.read("quenb.exe") == patched, "the same bytes");
            folder.folder.write("copy.exe", patched);
            QCOMPARE(folder.golv({QStringLiteral("--compare"), QStringLiteral("copy.exe")}).exitCode, 0);
            QCOMPARE(folder.golv({QStringLiteral("--compare"), QStringLiteral("quenb.exe.orig")}).exitCode, 3);
        }
    }

    void aDamagedConfigurationIsRefusedWithItsReasons()
    {
        const Folder folder("BatDmg=2", "BatDmg=abc");
        const std::string before = folder.folder.read("quenb.exe");
        const Folder::Run run = folder.golv({QStringLiteral("--silent")});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(QStringLiteral("BatDmg: \"abc\" is not a number.")), qPrintable(run.err));
        QVERIFY(folder.folder.read("quenb.exe") == before);
    }
};

} // namespace golv

QTEST_MAIN(golv::ProgramRunTest)
#include "ProgramRunTest.moc"
