#include "ui/MainWindow.h"
#include "config/Session.h"
#include "config/SettingId.h"
#include "config/Startup.h"
#include "support/RecordingInteraction.h"
#include "support/TempFolder.h"
#include "ui/Windows.h"

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
    std::unique_ptr<test::TempFolder> m_folder;
    std::unique_ptr<test::RecordingInteraction> m_ui;
    std::unique_ptr<Session> m_session;
    std::unique_ptr<Windows> m_windows;

    MainWindow& window() { return m_windows->form1(); }
    template <typename Widget> Widget* child(const char* name)
    {
        auto* widget = window().findChild<Widget*>(QString::fromLatin1(name));
        if (widget == nullptr)
            qFatal("no widget %s", name);
        return widget;
    }
    QString text(const char* name) { return child<QLineEdit>(name)->text(); }
    void click(const char* name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    std::string image() const { return m_folder->read("quenb.exe"); }

    // Types into a field, then moves on with Tab; the field's checks run once
    // the focus has moved.
    void typeAndLeave(QLineEdit* field, const QString& typed)
    {
        field->setFocus();
        field->selectAll();
        if (typed.isEmpty())
            QTest::keyClick(field, Qt::Key_Delete);
        else
            QTest::keyClicks(field, typed);
        QTest::keyClick(field, Qt::Key_Tab);
        QCoreApplication::processEvents();
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<test::TempFolder>();
        const std::string command
            = std::string(GOLV_MAKE_TEST_EXE) + " --with-config '" + (*m_folder / "quenb.exe").string() + "'";
        QCOMPARE(std::system(command.c_str()), 0);
        m_ui = std::make_unique<test::RecordingInteraction>();
        m_session = std::make_unique<Session>(*m_ui);
        QCOMPARE(runStartup(*m_session, m_folder->path()), StartupResult::ShowWindow);
        m_windows = std::make_unique<Windows>(*m_session);
        window().show();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        QVERIFY(m_ui->messages.empty());
    }

    void cleanup()
    {
        m_windows.reset();
        m_session.reset();
        m_ui.reset();
        m_folder.reset();
    }

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
        m_windows.reset();
        std::filesystem::remove(*m_folder / "quenb.exe");
        m_session = std::make_unique<Session>(*m_ui);
        QCOMPARE(runStartup(*m_session, m_folder->path()), StartupResult::ShowWindow);
        m_windows = std::make_unique<Windows>(*m_session);
        QCOMPARE(child<QLabel>("Label6")->text(), QStringLiteral("quenb.exe not found!"));
        QVERIFY(!child<QPushButton>("Command3")->isEnabled());
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

    void soundFieldsTakeDigitsOnly()
    {
        QLineEdit* field = child<QLineEdit>("Text5(18)");
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("a-1b2"));
        QCOMPARE(field->text(), QStringLiteral("12"));
        // What a paste does: insert a whole text at once, through the filter.
        field->end(false);
        field->insert(QStringLiteral("x-9"));
        QCOMPARE(field->text(), QStringLiteral("129"));
        QCOMPARE(m_session->settings.text(settingId("UWDoorBugSoundID")), std::string("129"));
        QTest::keyClicks(field, QStringLiteral("5"));
        QCOMPARE(field->text(), QStringLiteral("129"));
    }

    void leavingASoundFieldChecksItsValue()
    {
        QLineEdit* field = child<QLineEdit>("Text5(0)");
        typeAndLeave(field, QStringLiteral("200"));
        QCOMPARE(m_ui->messageTexts(), std::vector<std::string>{"Maximum value for this field is 127!"});
        QCOMPARE(field->text(), QStringLiteral("127"));
        QCOMPARE(QApplication::focusWidget(), field);

        m_ui->messages.clear();
        typeAndLeave(field, QString());
        QCOMPARE(m_ui->messageTexts(), std::vector<std::string>{"You must fill this field with at least one digit!"});
        QCOMPARE(QApplication::focusWidget(), field);

        m_ui->messages.clear();
        typeAndLeave(field, QStringLiteral("0"));
        QVERIFY2(m_ui->messages.empty(), "0 is accepted");
        QVERIFY(QApplication::focusWidget() != field);
    }

    void cancelWritesNothingAndOkPatches()
    {
        child<QCheckBox>("Check3")->click(); // remove look transparency: EB at LTOffset
        const std::string before = image();
        m_ui->confirmAnswers = {false};
        click("Command3");
        QCOMPARE(m_ui->questions.size(), std::size_t{1});
        QCOMPARE(m_ui->questions[0].text, std::string("Are you sure you want to update quenb.exe file?"));
        QCOMPARE(m_ui->questions[0].title, std::string("Confirm file modifying"));
        QVERIFY(image() == before);

        m_ui->confirmAnswers = {true};
        click("Command3");
        QCOMPARE(image()[static_cast<std::size_t>(m_session->offsets[offsetSlot("LTOffset")] - 1)], '\xEB');
        QVERIFY(m_ui->messages.empty());
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
        typeAndLeave(child<QLineEdit>("Text5(18)"), QStringLiteral("99"));
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

    void aPresetSavedAndLoadedThroughTheButtons()
    {
        const std::string path = (*m_folder / "mine.qpt").string();
        child<QScrollBar>("HScroll2")->setValue(11);
        child<QCheckBox>("Check13")->click();
        m_ui->fileAnswers = {path};
        click("Command16");
        QCOMPARE(m_ui->fileDialogs.back().title, std::string("Save GOLV preset"));

        click("Command9");
        QCOMPARE(child<QScrollBar>("HScroll2")->value(), 2);
        m_ui->fileAnswers = {path};
        click("Command12");
        QCOMPARE(m_ui->fileDialogs.back().title, std::string("Load GOLV preset"));
        QCOMPARE(child<QScrollBar>("HScroll2")->value(), 11);
        QCOMPARE(text("Text3"), QStringLiteral("34048.00"));
        QVERIFY(child<QCheckBox>("Check13")->isChecked());
        QVERIFY(!m_session->settings.isEnabled(settingId("DisableSave")));
        QVERIFY(m_ui->messages.empty());
    }
};

} // namespace golv

QTEST_MAIN(golv::MainWindowTest)
#include "MainWindowTest.moc"
