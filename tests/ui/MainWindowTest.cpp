#include "ui/MainWindow.h"
#include "config/VersionTables.h"
#include "settings/SettingId.h"
#include "support/StartedProgram.h"
#include "ui/FindDialog.h"
#include "ui/WindowKeys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

#include <tuple>

namespace golv {

// The main window on a synthetic executable in a temporary folder, with the
// recorder standing in for every message box and file dialog.
class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::StartedProgram> m_program;

    MainWindow& window() { return m_program->mainWindow(); }
    template <typename Widget> Widget* child(const char* name)
    {
        return test::child<Widget>(window(), QString::fromLatin1(name));
    }
    QString text(const char* name) { return child<QLineEdit>(name)->text(); }
    void click(const char* name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    std::string image() const { return m_program->folder.read("quenb.exe"); }

private slots:
    void init()
    {
        m_program = std::make_unique<test::StartedProgram>();
        window();
        QVERIFY(m_program->ui.messages.empty());
    }

    void cleanup() { m_program.reset(); }

    // The status line words what start-up found; only the found build lets "modify" run.
    void theStatusLineTellsWhatStartUpFound()
    {
        m_program->windows.reset();
        const test::TempFolder& folder = m_program->folder;
        auto startsWith = [&](const QString& status, bool modify) {
            Session session(m_program->ui);
            QCOMPARE(runStartup(session, folder.path()), StartupResult::ShowWindow);
            Windows windows(session);
            QCOMPARE(test::child<QLabel>(windows.form1(), "Label6")->text(), status);
            QCOMPARE(test::child<QPushButton>(windows.form1(), "Command3")->isEnabled(), modify);
        };
        startsWith(QStringLiteral("Found: ZDWK, EU, orig. or XP mod \\ 9 (11) Dec 2002"), true);
        folder.write(
            "quenb.exe", image().replace(730225 - 1, 1, "X")); // a detection byte of no build golv.cfg describes
        startsWith(QStringLiteral("Engine is not compatible with GOLV!"), false);
        const std::string config = folder.read("golv.cfg");
        folder.write("golv.cfg", std::string(config).insert(config.find("ExeName=") + 8, "../"));
        startsWith(QStringLiteral("../quenb.exe is outside GOLV's folder!"), false);
        folder.write("golv.cfg", config);
        std::filesystem::remove(folder / "quenb.exe");
        startsWith(QStringLiteral("quenb.exe not found!"), false);
    }

    // The displays start at the defaults and follow the bars, set by hand or
    // by a preset button; the warning comes and goes without moving the rows
    // below it.
    void displaysAndTheRangeWarningFollowTheBars()
    {
        const std::tuple<const char*, int, int, const char*, const char*, QColor, bool> rows[] = {
            // the preset button (none: by hand), drawing, fog, their displays, the drawing display's tint, the warning
            {nullptr, 0, 4, "16384.00", "18048.00", QColor(210, 210, 255), true},
            {"Command4", -3, -2, "5024.00", "2048.00", QColor(180, 180, 255), false}, // the shortest is 5024, not 5120
            {"Command7", 10, 28, "102400.00", "95232.00", QColor(255, 170, 170), false},
            {"Command2", 2, 2, "20480.00", "12288.00", QColor(Qt::white), false},
        };
        QCOMPARE(text("Text1"), QStringLiteral("22050 Hz")); // one binder fills every display when built
        QVERIFY(!child<QLabel>("Label4")->isVisible());
        child<QScrollBar>("HScroll3")->setValue(2);
        QCOMPARE(text("Text1"), QStringLiteral("44100 Hz"));
        const QRect presetsBefore = child<QLabel>("Label5")->geometry();
        const QSize windowBefore = window().size();
        for (const auto& [button, drawing, fog, drawingText, fogText, tint, warning] : rows) {
            child<QScrollBar>("HScroll1")->setValue(button != nullptr ? 7 : drawing);
            child<QScrollBar>("HScroll2")->setValue(button != nullptr ? 7 : fog);
            if (button != nullptr)
                click(button);
            QCoreApplication::processEvents();
            QVERIFY(child<QScrollBar>("HScroll1")->value() == drawing && child<QScrollBar>("HScroll2")->value() == fog);
            QCOMPARE(QStringList({text("Text2"), text("Text3")}), QStringList({drawingText, fogText}));
            QCOMPARE(child<QLineEdit>("Text2")->palette().color(QPalette::Base), tint);
            QCOMPARE(child<QLabel>("Label4")->isVisible(), warning);
            QVERIFY(child<QLabel>("Label5")->geometry() == presetsBefore && window().size() == windowBefore);
        }
    }

    // What "modify" would change is marked and counted after an edit, a run,
    // "defaults", a reading of the executable and an undo. The messages are
    // the core's; here each button runs its command: cancel writes nothing,
    // "read executable" asks first, names the settings the bytes do not tell
    // and loads the others as one step, "restore" puts the original back, and
    // a run that cannot write leaves the program running.
    void modifyReadAndRestoreTheExecutableAndTheMarksFollow()
    {
        SettingsStore& settings = m_program->session.settings;
        auto marked
            = [this] { return child<QCheckBox>("Check3")->accessibleDescription() == "changes the executable"; };
        auto counted = [this](const char* weapons, const char* bars) {
            return child<QPushButton>("Command20")->text() == weapons
                && child<QPushButton>("Command11")->text() == bars;
        };
        const std::string original = image();
        child<QCheckBox>("Check3")->click(); // remove look transparency: EB at LTOffset
        settings.setText(settingId("PistolDamage"), "7");
        child<QScrollBar>("HScroll1")->setValue(9);
        test::typeAndLeave(child<QLineEdit>("Text5(18)"), QStringLiteral("99"));
        QTRY_VERIFY(marked() && counted("weapons... (1)", "bars..."));
        m_program->ui.confirmAnswers = {false, true, true, true, true};
        click("Command3");
        QVERIFY(m_program->ui.questions.size() == 1 && image() == original && marked());
        click("Command3");
        QCOMPARE(image()[static_cast<std::size_t>(m_program->session.offsets[offsetSlot("LTOffset")] - 1)], '\xEB');
        QVERIFY(!marked() && counted("weapons...", "bars..."));
        click("Command9"); // "defaults": every window's settings, the main window's among them
        QTRY_VERIFY(marked() && counted("weapons... (1)", "bars..."));
        QVERIFY(child<QScrollBar>("HScroll1")->value() == 2 && text("Text5(18)") == QLatin1String("50")
            && child<QPushButton>("Command3")->isEnabled() && m_program->ui.messages.empty());

        const auto left = static_cast<std::size_t>(m_program->session.offsets[offsetSlot("LBarXOffset")]);
        m_program->folder.write("quenb.exe", image().replace(left - 1, 1, "\xC8")); // beyond the 127 its field takes
        click("Command26");
        QCOMPARE(m_program->ui.questions.back().title, "Confirm file reading");
        QVERIFY2(m_program->ui.questions.back().text.find("LLeft (bars window) at " + std::to_string(left) + ": C8")
                != std::string::npos,
            m_program->ui.questions.back().text.c_str());
        QVERIFY(settings.state(settingId("RemoveLookTransparency")) == 1
            && settings.text(settingId("PistolDamage")) == "7" && settings.text(settingId("LLeft")) == "20");
        QTRY_VERIFY(!marked() && counted("weapons...", "bars... (1)"));
        settings.undo();
        QTRY_VERIFY(marked() && counted("weapons... (1)", "bars... (1)"));

        click("Command23");
        QCOMPARE(m_program->ui.questions.back().title, "Confirm file restoring");
        QVERIFY(image() == original && m_program->ui.messages.empty());
        std::filesystem::remove(m_program->folder / "quenb.exe");
        std::filesystem::create_directory(m_program->folder / "quenb.exe"); // opens for nobody
        click("Command3");
        QVERIFY(m_program->ui.messages.size() == 1 && window().isVisible());
    }

    // Wider than its field, and with a sign its key filter would swallow: the
    // field shows the setting whole and hands nothing cut back to the store,
    // so what is saved and patched is what it shows.
    void aValueFromAPresetIsShownWhole()
    {
        const SettingsStore& settings = m_program->session.settings;
        m_program->folder.write(
            "wide.qpt", test::crlfText({"[preset]", "version=0.67", "UWDoorBugSoundID=1234", "NoAmmoBugSoundID=-5"}));
        m_program->ui.fileAnswers = {m_program->folder / "wide.qpt"};
        click("Command12");
        QCOMPARE(QStringList({text("Text5(18)"), text("Text5(0)")}), QStringList({"1234", "-5"}));
        QVERIFY(settings.text(settingId("UWDoorBugSoundID")) == "1234"
            && settings.text(settingId("NoAmmoBugSoundID")) == "-5" && m_program->ui.messages.empty());
    }

    // A customizer button opens its own window, modally (a button of each table).
    void windowButtonsOpenTheirWindows()
    {
        const std::pair<const char*, const char*> rows[] = {{"Command11", "CustBars"}, {"Command10", "CustOxmaHP"}};
        for (const auto& [button, dialog] : rows) {
            QString opened;
            QTimer::singleShot(0, [&opened] {
                if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                    opened = modal->objectName();
                    modal->done(QDialog::Rejected);
                }
            });
            child<QPushButton>(button)->click();
            QCOMPARE(opened, QString::fromLatin1(dialog));
        }
    }

    // In German, a word of a caption, a preset key or a window's title
    // finds a setting of every window; Enter opens its window with the
    // focus in its control. There the keyboard changes it, and Ctrl+Z and
    // Ctrl+Shift+Z undo and redo the change.
    void findChangeUndoAndRedoASettingOfEveryWindow()
    {
        m_program->windows.reset();
        m_program->session.languageFile = GOLV_SOURCE_DIR "/languages/deutsch.lng";
        LoadLanguageFile(m_program->session);
        m_program->windows = std::make_unique<Windows>(m_program->session);
        const std::pair<const char*, const char*> rows[]
            = {{"sfx-abtastrate", "SampleRate"}, {"pistolen schaden", "PistolDamage"},
                {"ladebalken hauptfarbe rot", "LMainColourR"}, {"anzeigedauer legende", "LegendDispTime"},
                {"blut größe", "BloodSize"}, {"Sprite-Größe Feuerball", "FireballSpriteSize"},
                {"BinocsRange", "BinocsRange"}, {"geheimnisse", "Secrets"}, {"hund gegner-hp", "DogHP"},
                {"pfeilfallen", "InDartsLeakage"}, {"patronenhülsen", "ShellGravity"}};
        for (const auto& [typed, key] : rows) {
            test::StartedProgram::showActive(window());
            FindDialog find(*m_program->windows, &window());
            test::StartedProgram::showActive(find);
            for (const QChar letter : QString::fromUtf8(typed)) // "ö" too, which keyClicks refuses
                QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, letter, Qt::NoModifier);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QVERIFY2(find.chosen() == findSetting(key), typed);

            const SettingId id = *find.chosen();
            const SettingDef& def = kSettings[id];
            const SettingsStore& settings = m_program->session.settings;
            auto value = [&] { return settings.text(id) + '/' + std::to_string(settings.state(id)); };
            const std::string before = value();
            std::vector<std::string> seen; // changed, undone, redone
            bool reached = false;
            // A customizer runs modally: the keys go in from inside its loop.
            QTimer::singleShot(0, [&] {
                reached = QTest::qWaitFor([&def] {
                    return QApplication::focusWidget() != nullptr
                        && QApplication::focusWidget()->objectName().startsWith(controlName(def.control));
                });
                QWidget* focused = QApplication::focusWidget();
                if (auto* field = qobject_cast<QLineEdit*>(focused)) {
                    field->selectAll();
                    QTest::keyClicks(field, def.input == Input::Hex ? "7A" : "7");
                    QTest::keyClick(field, Qt::Key_Tab);
                    QCoreApplication::processEvents();
                } else {
                    QTest::keyClick(focused, qobject_cast<QComboBox*>(focused) ? Qt::Key_Down : Qt::Key_Right);
                }
                seen.push_back(value());
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
                seen.push_back(value());
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
                seen.push_back(value());
                if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                    dialog->done(QDialog::Accepted);
            });
            m_program->windows->goTo(id);
            QVERIFY2(QTest::qWaitFor([&seen] { return seen.size() == 3; }) && reached, typed);
            QVERIFY2(seen[0] != before && seen[1] == before && seen[2] == seen[0],
                (std::string(typed) + ": " + before + " " + seen[0] + " " + seen[1] + " " + seen[2]).c_str());
        }
    }

    // The language files of the folder are offered by the names they give
    // themselves; the one chosen shows at once and is kept in golv.cfg.
    void aLanguageChosenShowsAtOnceAndIsKept()
    {
        std::filesystem::copy_file(GOLV_SOURCE_DIR "/languages/deutsch.lng", m_program->folder / "deutsch.lng");
        QStringList offered;
        QTimer::singleShot(0, [&offered] {
            auto* list = QApplication::activeModalWidget()->findChild<QListWidget*>(QStringLiteral("Languages"));
            for (int row = 0; row < list->count(); ++row)
                offered << list->item(row)->text();
            list->setCurrentRow(static_cast<int>(offered.indexOf(QStringLiteral("Deutsch"))));
            QTest::keyClick(list, Qt::Key_Return);
        });
        click("Command25");
        QCOMPARE(offered, QStringList({"English (built in)", "Deutsch"}));
        QTRY_COMPARE(
            test::child<QPushButton>(m_program->windows->form1(), "Command3")->text(), QStringLiteral("ändern"));
        QVERIFY(m_program->folder.read("golv.cfg").find("\r\nLanguageFile=deutsch.lng\r\n") != std::string::npos);
        QCOMPARE(m_program->session.settings.listEntries(settingId("MainMenuAlign")),
            (std::vector<std::string>{"links", "zentriert", "rechts"}));
    }
};

} // namespace golv

QTEST_MAIN(golv::MainWindowTest)
#include "MainWindowTest.moc"
