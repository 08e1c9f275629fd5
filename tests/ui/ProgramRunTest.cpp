#include "config/DefaultConfig.h"
#include "config/Session.h"
#include "support/RandomSettings.h"
#include "support/RecordingInteraction.h"
#include "support/RowTable.h"
#include "support/TempFolder.h"

#include <QProcess>
#include <QtTest>

#include <algorithm>
#include <filesystem>
#include <map>
#include <utility>

namespace golv {
namespace {

// The real program, started the way a script would start it (on the test's
// own platform, which it inherits), in a folder
// with golv.cfg and a synthetic executable whose drawing distance the
// default settings change (A0 46 instead of 00 00); a line of the default
// golv.cfg may be given another.
class Folder : public test::TempFolder {
public:
    explicit Folder(const std::string& line = {}, const std::string& instead = {})
    {
        std::vector<std::string> lines = defaultConfigLines();
        std::ranges::replace(lines, line, instead);
        write("golv.cfg", test::crlfText(lines));
        if (test::runProgram(GOLV_MAKE_TEST_EXE, {*this / "quenb.exe"}) != 0)
            qFatal("make-test-exe failed");
        std::string image = read("quenb.exe");
        image.replace(730270, 2, 2, '\0'); // the drawing distance
        write("quenb.exe", image);
    }

    struct Run {
        int exitCode;
        QString out, err;
    };
    // GOLV with the arguments, which hold no spaces.
    Run golv(const QString& arguments) const
    {
        QProcess process;
        process.setWorkingDirectory(QString::fromStdString(path()));
        process.start(QStringLiteral(GOLV_PROGRAM), arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts));
        if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit)
            qFatal("golv did not end by itself");
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
    }

    // xdelta3 applied to the executable as it is; the file it makes.
    std::string applyDelta(const std::string& delta) const
    {
        if (test::runProgram("xdelta3", {"-d", "-f", "-s", *this / "quenb.exe", *this / delta, *this / "applied"}) != 0)
            qFatal("xdelta3 refused the delta");
        return read("applied");
    }

    // Every file of the folder with its content, to tell what a run wrote.
    std::map<std::string, std::string> files() const
    {
        std::map<std::string, std::string> found;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(native())) {
            const std::string name = platform::utf8Path(entry.path().lexically_relative(native()));
            found[name] = entry.is_symlink() ? "-> " + platform::utf8Path(std::filesystem::read_symlink(entry.path()))
                : entry.is_regular_file()    ? read(name)
                                             : std::string("(not a file)");
        }
        return found;
    }
};

// One setting of every window.
const std::vector<std::string> kEveryWindow = {"[preset]", "version=0.673", "DrawingDistanceRange=5", "PistolDamage=7",
    "HMainColourR=200", "MainFontMainColourR=100", "ShadowA=50", "SparkleAmount=9", "PistolFlashArea=20",
    "DefBigMedkits=2", "SkeletonHP=99", "ShellGravity=7", "BatDmg=5"};

struct RefusedRow {
    const char* name;
    const char* line; // of golv.cfg, given `instead`
    const char* instead;
    void (*setUp)(const Folder&);
    const char* arguments;
    int exitCode;
    const char* said; // a part of standard error
};

// clang-format off
const RefusedRow kRefusedRows[] = {
    {"a plan with an outdated golv.cfg", "Version=0.673", "Version=0.672", nullptr,
        "--plan", 0, "a normal start would write golv.cfg anew"},
    {"a patch exported over the kept copy of golv.cfg", "", "",
        [](const Folder& folder) { folder.write("golv.cfg.bak", std::string_view("a user's own version sections")); },
        "--export-patch golv.cfg.bak", 2, "a kept copy of GOLV's configuration"},
    {"an executable outside the folder", "ExeName=quenb.exe", "ExeName=../quenb.exe", nullptr,
        "--silent", 2, "not a file inside the folder"},
    {"a flag no letter stands for", "GrenSupaFlag=2", "GrenSupaFlag=255", nullptr,
        "--silent", 2, "GrenSupaFlag: \"255\" is not one of the values 1 to 5"},
    {"an executable that is a link", "", "",
        [](const Folder& folder) {
            std::filesystem::create_directory(folder.native("engine"));
            std::filesystem::rename(folder.native("quenb.exe"), folder.native("engine/quenb.exe"));
            std::filesystem::create_symlink("engine/quenb.exe", folder.native("quenb.exe"));
        },
        "--silent", 2, "is a link to"},
    {"settings read over golv.cfg", "", "", nullptr, "--read-settings golv.cfg", 2, "it is GOLV's configuration"},
    {"a compare with an executable of another build", "", "",
        [](const Folder& folder) {
            std::string other = folder.read("quenb.exe");
            other[730225 - 1] = 'X';
            folder.write("other.exe", other);
        },
        "--compare other.exe", 2, "other.exe is not of the build"},
};
// clang-format on

} // namespace

// What the commands write, run by the real program; their options, messages
// and exit codes are CommandLineTest's.
class ProgramRunTest : public QObject {
    Q_OBJECT

private slots:
    // Silent by the switch or by golv.cfg, with the default settings or a
    // setting of every window.
    void anExportedPatchGivesWhatSilentModeWrites()
    {
        for (const auto& [silent, preset] :
            {std::pair<QString, QString>{"--silent", ""}, {"", ""}, {"--silent", " --preset every.qpt"}}) {
            const Folder folder = silent.isEmpty() ? Folder("SilentPatch=0", "SilentPatch=1") : Folder();
            folder.write("every.qpt", test::crlfText(kEveryWindow));
            const std::string before = folder.read("quenb.exe");
            QCOMPARE(folder.golv("--export-patch out.xdelta" + preset).exitCode, 0);
            QVERIFY2(folder.read("quenb.exe") == before, "exporting touches no executable");
            const std::string applied = folder.applyDelta("out.xdelta");

            QCOMPARE(folder.golv(silent + preset).exitCode, 0);
            const std::string patched = folder.read("quenb.exe");
            QVERIFY(patched.size() == before.size() && patched != before);
            QVERIFY2(applied == patched, "xdelta3 gives the bytes modify writes");

            // Once patched, nothing is left to change: the delta gives the file back.
            QCOMPARE(folder.golv("--export-patch none.vcdiff" + preset).exitCode, 0);
            QVERIFY(folder.applyDelta("none.vcdiff") == patched);
        }
    }

    // What a command must not do: write anything it was not asked to, or a
    // file that is not the one it read. Each row sets up the folder, runs one
    // command and finds every file of the folder as it was, with the exit
    // code and a plain sentence.
    void aRefusedCommandLeavesEveryFileAsItWas_data() { test::addRows(kRefusedRows); }

    void aRefusedCommandLeavesEveryFileAsItWas()
    {
        const RefusedRow& row = test::fetchRow(kRefusedRows);
        const Folder folder(row.line, row.instead);
        if (row.setUp != nullptr)
            row.setUp(folder);
        const auto before = folder.files();
        const Folder::Run run = folder.golv(QString::fromUtf8(row.arguments));
        QCOMPARE(run.exitCode, row.exitCode);
        QVERIFY2(run.err.contains(QString::fromUtf8(row.said)), qPrintable(run.err));
        QVERIFY2(folder.files() == before, "every file is as it was");
    }

    // An executable patched with settings any window takes reads back as a
    // preset that plans no change and patches it to the same bytes; --compare
    // tells it from its original but not from a copy. (That any executable
    // reads back so, writes covering one another too, is PatchRunTest's.)
    void whatIsReadPatchesTheSameBytes()
    {
        for (const std::uint32_t seed : {1u, 2u}) {
            std::mt19937 random(seed);
            const Folder folder;
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
            folder.write("random.qpt", test::crlfText(preset));
            QCOMPARE(folder.golv("--silent --preset random.qpt").exitCode, 0);
            const std::string patched = folder.read("quenb.exe");
            const Folder::Run read = folder.golv("--read-settings read.qpt");
            QVERIFY2(read.exitCode == 0 && read.err.isEmpty(), qPrintable(read.err));
            QVERIFY(folder.golv("--plan --preset read.qpt").out.endsWith("\n0 writes change the executable.\n"));
            QCOMPARE(folder.golv("--silent --preset read.qpt").exitCode, 0);
            QVERIFY2(folder.read("quenb.exe") == patched, "the same bytes");
            folder.write("copy.exe", patched);
            QCOMPARE(folder.golv("--compare copy.exe").exitCode, 0);
            QCOMPARE(folder.golv("--compare quenb.exe.orig").exitCode, 3);
        }
    }
};

} // namespace golv

QTEST_MAIN(golv::ProgramRunTest)
#include "ProgramRunTest.moc"
