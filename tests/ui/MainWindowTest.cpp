#include "ui/MainWindow.h"
#include "config/SettingId.h"
#include "presets/Presets.h"
#include "support/StartedProgram.h"
#include "ui/QtUserInteraction.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include <cstdlib>
#include <memory>

namespace golv {

// The main window on a synthetic executable in a temporary folder, with the
// recorder standing in for every message box and file dialog.
class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::StartedProgram> m_program;
    test::RecordingInteraction* m_ui = nullptr;
    Session* m_session = nullptr;
    test::TempFolder* m_folder = nullptr;

    MainWindow& window() { return m_program->mainWindow(); }
    template <typename Widget> Widget* child(const char* name)
    {
        return test::child<Widget>(window(), QString::fromLatin1(name));
    }
    QString text(const char* name) { return child<QLineEdit>(name)->text(); }
    void click(const char* name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    std::string image() const { return m_folder->read("quenb.exe"); }

private slots:
    void init()
    {
        m_program = std::make_unique<test::StartedProgram>();
        m_ui = &m_program->ui;
        m_session = &m_program->session;
        m_folder = &m_program->folder;
        window();
        QVERIFY(m_ui->messages.empty());
    }

    void cleanup() { m_program.reset(); }

    void startsWithTheDefaultDisplays()
    {
        QCOMPARE(child<QScrollBar>("HScroll1")->value(), 2);
        QCOMPARE(child<QScrollBar>("HScroll2")->value(), 2);
        QCOMPARE(text("Text3"), QStringLiteral("12288.00"));
        QCOMPARE(child<QScrollBar>("HScroll3")->value(), 1);
        QCOMPARE(text("Text1"), QStringLiteral("22050 Hz"));
        QVERIFY(!child<QLabel>("Label4")->isVisible());
        QCOMPARE(
            child<QLabel>("Label6")->text(), QStringLiteral("Found: ZDWK, EU, orig. or XP mod \\ 9 (11) Dec 2002"));
        QVERIFY(child<QPushButton>("Command3")->isEnabled());
        QVERIFY(child<QRadioButton>("Option1(0)")->isChecked());
    }

    void aMissingExecutableDisablesModify()
    {
        m_program->windows.reset();
        std::filesystem::remove(*m_folder / "quenb.exe");
        Session session(*m_ui);
        QCOMPARE(runStartup(session, m_folder->path()), StartupResult::ShowWindow);
        Windows windows(session);
        QCOMPARE(test::child<QLabel>(windows.form1(), QStringLiteral("Label6"))->text(),
            QStringLiteral("quenb.exe not found!"));
        QVERIFY(!test::child<QPushButton>(windows.form1(), QStringLiteral("Command3"))->isEnabled());
    }

    void displaysAndTheRangeWarningFollowTheBars_data()
    {
        QTest::addColumn<int>("drawing");
        QTest::addColumn<int>("fog");
        QTest::addColumn<QString>("drawingText");
        QTest::addColumn<QString>("fogText");
        QTest::addColumn<QColor>("drawingTint");
        QTest::addColumn<bool>("warning");
        QTest::newRow("shortest: 5024, not 5120") << -3 << -2 << "5024.00"
                                                  << "2048.00" << QColor(180, 180, 255) << false;
        QTest::newRow("fog beyond the distance") << 0 << 4 << "16384.00"
                                                 << "18048.00" << QColor(210, 210, 255) << true;
        QTest::newRow("equal numbers do not warn") << 6 << 9 << "30080.00"
                                                   << "30080.00" << QColor(255, 210, 210) << false;
        QTest::newRow("farthest") << 10 << 29 << "102400.00"
                                  << "102400.00" << QColor(255, 170, 170) << false;
    }

    void displaysAndTheRangeWarningFollowTheBars()
    {
        QFETCH(int, drawing);
        QFETCH(int, fog);
        QFETCH(QString, drawingText);
        QFETCH(QString, fogText);
        QFETCH(QColor, drawingTint);
        QFETCH(bool, warning);
        child<QScrollBar>("HScroll1")->setValue(drawing);
        child<QScrollBar>("HScroll2")->setValue(fog);
        QCOMPARE(text("Text2"), drawingText);
        QCOMPARE(text("Text3"), fogText);
        QCOMPARE(child<QLineEdit>("Text2")->palette().color(QPalette::Base), drawingTint);
        QCOMPARE(child<QLabel>("Label4")->isVisible(), warning);
        QCOMPARE(m_session->settings.state(settingId("DrawingDistanceRange")), drawing);
    }

    void presetButtonsSetBothBars_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("drawing");
        QTest::addColumn<int>("fog");
        QTest::newRow("hell!") << "Command4" << -3 << -2;
        QTest::newRow("not too far") << "Command5" << 5 << 7;
        QTest::newRow("far") << "Command6" << 8 << 17;
        QTest::newRow("very far") << "Command7" << 10 << 28;
        QTest::newRow("default") << "Command2" << 2 << 2;
    }

    void presetButtonsSetBothBars()
    {
        QFETCH(QString, button);
        QFETCH(int, drawing);
        QFETCH(int, fog);
        child<QScrollBar>("HScroll1")->setValue(7);
        child<QCheckBox>("Check3")->click();
        click(button.toLatin1().constData());
        QCOMPARE(child<QScrollBar>("HScroll1")->value(), drawing);
        QCOMPARE(child<QScrollBar>("HScroll2")->value(), fog);
        QVERIFY(!child<QLabel>("Label4")->isVisible());
        QVERIFY2(child<QCheckBox>("Check3")->isChecked(), "a preset touches the distances only");
    }

    void cancelWritesNothingAndOkPatches()
    {
        child<QCheckBox>("Check3")->click(); // remove look transparency: EB at LTOffset
        const std::string before = image();
        m_ui->confirmAnswers = {false};
        click("Command3");
        QCOMPARE(m_ui->questions.size(), std::size_t{1});
        QCOMPARE(m_ui->questions[0].text, std::string("Are you sure you want to update quenb.exe file?\nThe original of quenb.exe is kept as quenb.exe.orig."));
        QCOMPARE(m_ui->questions[0].title, std::string("Confirm file modifying"));
        QVERIFY(image() == before);

        m_ui->confirmAnswers = {true};
        click("Command3");
        QCOMPARE(image()[static_cast<std::size_t>(m_session->offsets[offsetSlot("LTOffset")] - 1)], '\xEB');
        QVERIFY(m_ui->messages.empty());
    }

    void restoreOriginalPutsBackTheUnpatchedExecutable()
    {
        const std::string original = image();
        child<QCheckBox>("Check3")->click();
        m_ui->confirmAnswers = {true, true};
        click("Command3");
        QVERIFY(image() != original);
        click("Command23");
        QCOMPARE(m_ui->questions.size(), std::size_t{2});
        QCOMPARE(m_ui->questions[1].title, std::string("Confirm file restoring"));
        QVERIFY(image() == original);
        QVERIFY(m_ui->messages.empty());
        QCOMPARE(child<QPushButton>("Command23")->text(), QStringLiteral("restore original"));
    }

    void anExecutableThatCannotBeWrittenLeavesTheProgramRunning()
    {
        std::filesystem::remove(*m_folder / "quenb.exe");
        std::filesystem::create_directory(*m_folder / "quenb.exe"); // opens for nobody
        m_ui->confirmAnswers = {true};
        click("Command3");
        QCOMPARE(m_ui->messages.size(), std::size_t{1});
        QCOMPARE(m_ui->messages[0].title, std::string("Cannot modify file"));
        QVERIFY(window().isVisible());
    }

    void defaultsPutEveryEditBack()
    {
        child<QScrollBar>("HScroll1")->setValue(9);
        child<QCheckBox>("Check13")->click();
        child<QRadioButton>("Option1(2)")->click();
        test::typeAndLeave(child<QLineEdit>("Text5(18)"), QStringLiteral("99"));
        m_session->settings.setText(settingId("PistolDamage"), "77");

        click("Command9");
        QCOMPARE(child<QScrollBar>("HScroll1")->value(), 2);
        QCOMPARE(text("Text2"), QStringLiteral("20480.00"));
        QVERIFY(!child<QCheckBox>("Check13")->isChecked());
        QVERIFY(child<QRadioButton>("Option1(0)")->isChecked());
        QCOMPARE(text("Text5(18)"), QStringLiteral("50"));
        QCOMPARE(m_session->settings.text(settingId("PistolDamage")), std::string("1"));
        QVERIFY(child<QPushButton>("Command3")->isEnabled());
        QVERIFY(m_ui->messages.empty());
    }

    void aValueFromAPresetIsShownWhole()
    {
        // Wider than its field, and with a sign its key filter would swallow:
        // the field shows the setting, and what is saved and patched is what it shows.
        m_folder->write(
            "wide.qpt", test::crlfText({"[preset]", "version=0.67", "UWDoorBugSoundID=1234", "NoAmmoBugSoundID=-5"}));
        m_ui->fileAnswers = {(*m_folder / "wide.qpt")};
        click("Command12");
        QVERIFY(m_ui->messages.empty());
        QLineEdit* wide = child<QLineEdit>("Text5(18)");
        QCOMPARE(wide->text(), QStringLiteral("1234"));
        QCOMPARE(text("Text5(0)"), QStringLiteral("-5"));

        m_ui->fileAnswers = {(*m_folder / "saved.qpt")};
        click("Command16");
        m_session->settings.setText(settingId("UWDoorBugSoundID"), "1");
        m_ui->fileAnswers = {(*m_folder / "saved.qpt")};
        click("Command12");
        QCOMPARE(wide->text(), QStringLiteral("1234"));
        const std::string saved = m_folder->read("saved.qpt");
        QVERIFY(saved.find("UWDoorBugSoundID=1234\r\n") != std::string::npos);
        QVERIFY(saved.find("NoAmmoBugSoundID=-5\r\n") != std::string::npos);

        // Typing still keeps to the field's length and filter.
        wide->setFocus();
        wide->end(false);
        QTest::keyClicks(wide, QStringLiteral("9-"));
        QCOMPARE(wide->text(), QStringLiteral("1234"));
        QVERIFY(m_ui->messages.empty());
    }

    void theKeyboardReachesScrollBarsAndRunsButtons()
    {
        QScrollBar* sampleRate = child<QScrollBar>("HScroll3");
        QVERIFY(sampleRate->focusPolicy() & Qt::TabFocus);
        sampleRate->setFocus();
        QTest::keyClick(sampleRate, Qt::Key_Right);
        QCOMPARE(m_session->settings.state(settingId("SampleRate")), 2);
        QCOMPARE(text("Text1"), QStringLiteral("44100 Hz"));
        QTest::keyClick(sampleRate, Qt::Key_End);
        QCOMPARE(text("Text1"), QStringLiteral("48000 Hz"));

        QPushButton* hell = child<QPushButton>("Command4");
        hell->setFocus();
        QTest::keyClick(hell, Qt::Key_Return);
        QCOMPARE(m_session->settings.state(settingId("DrawingDistanceRange")), -3);
        QCOMPARE(m_session->settings.state(settingId("DistantFogRange")), -2);
    }

    void theRangeWarningMovesNothing()
    {
        const QRect presetsBefore = child<QLabel>("Label5")->geometry();
        const QSize windowBefore = window().size();
        child<QScrollBar>("HScroll1")->setValue(0);
        child<QScrollBar>("HScroll2")->setValue(4);
        QCoreApplication::processEvents();
        QVERIFY(child<QLabel>("Label4")->isVisible());
        QCOMPARE(child<QLabel>("Label5")->geometry(), presetsBefore);
        QCOMPARE(window().size(), windowBefore);
    }

    void aPresetNameGetsTheExtensionOfItsFilter_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("written");
        QTest::newRow("no extension, preset filter") << "/p/mine"
                                                     << "GOLV preset (*.qpt)"
                                                     << "/p/mine.qpt";
        QTest::newRow("an extension of its own stays") << "/p/mine.txt"
                                                       << "GOLV preset (*.qpt)"
                                                       << "/p/mine.txt";
        QTest::newRow("all files add nothing") << "/p/mine"
                                               << "All Files (*.*)"
                                               << "/p/mine";
        QTest::newRow("a dot in the folder is no extension") << "/p.d/mine"
                                                             << "GOLV preset (*.qpt)"
                                                             << "/p.d/mine.qpt";
    }

    void aPresetNameGetsTheExtensionOfItsFilter()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, filter);
        QFETCH(QString, written);
        QCOMPARE(QtUserInteraction::withFilterExtension(chosen, filter), written);
    }
};

} // namespace golv

QTEST_MAIN(golv::MainWindowTest)
#include "MainWindowTest.moc"
