#include "config/SettingId.h"
#include "presets/Presets.h"
#include "support/StartedProgram.h"
#include "ui/Swatch.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

Q_DECLARE_METATYPE(golv::Window)

namespace golv {
namespace {

QStringList toList(const std::vector<std::string>& texts)
{
    QStringList list;
    for (const std::string& text : texts)
        list << QString::fromStdString(text);
    return list;
}

Swatch* swatchNamed(const QWidget& window, const QString& name)
{
    for (Swatch* swatch : window.findChildren<Swatch*>()) {
        if (swatch->accessibleName() == name)
            return swatch;
    }
    qFatal("no swatch %s", qPrintable(name));
}

} // namespace

// The customizer windows as a user meets them: fields refused and corrected
// when left, rules that follow a preset or "defaults", flags, swatches and
// closing.
class CustomizerWindowsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::StartedProgram> m_program;

    test::StartedProgram& program() { return *m_program; }
    SettingsStore& settings() { return m_program->session.settings; }

    void loadPreset(const std::vector<std::string>& lines)
    {
        program().folder.write("in.qpt", test::crlfText(lines));
        program().ui.fileAnswers = {(program().folder / "in.qpt")};
        QTest::mouseClick(
            test::child<QPushButton>(program().mainWindow(), QStringLiteral("Command12")), Qt::LeftButton);
    }

private slots:
    void init() { m_program = std::make_unique<test::StartedProgram>(); }
    void cleanup() { m_program.reset(); }

    void leavingAFieldChecksItsLimits_data()
    {
        QTest::addColumn<Window>("window");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("after");
        const QString max6 = QStringLiteral("Maximum value for this field is 6!");
        const QString max255 = QStringLiteral("Maximum value for this field is 255!");
        const QString oneDigit = QStringLiteral("You must fill this field with at least one digit!");
        QTest::newRow("sound ID above 127")
            << Window::Form1 << "Text5(0)"
            << "200" << QStringList{QStringLiteral("Maximum value for this field is 127!")} << "127";
        QTest::newRow("empty sound ID") << Window::Form1 << "Text5(18)"
                                        << "" << QStringList{oneDigit} << "";
        QTest::newRow("sound ID 0 is fine") << Window::Form1 << "Text5(18)"
                                            << "0" << QStringList{} << "0";
        QTest::newRow("shot amount above 6") << Window::CustWeapons << "Text5(19)"
                                             << "9" << QStringList{max6} << "6";
        QTest::newRow("grid field above 255") << Window::CustWeapons << "Text5(0)"
                                              << "300" << QStringList{max255} << "255";
        QTest::newRow("fly speed above 65535")
            << Window::CustWeapons << "Text5(20)"
            << "70000" << QStringList{QStringLiteral("Maximum value for this field is 65535!")} << "65535";
        QTest::newRow("dispersion short of four hex digits, lower case swallowed")
            << Window::CustWeapons << "Text5(11)"
            << "15aB" << QStringList{QStringLiteral("You must fill this field with four hexadecimal symbols!")}
            << "15B";
        QTest::newRow("loading bar x above 127")
            << Window::CustBars << "Text2(8)"
            << "200" << QStringList{QStringLiteral("Maximum value for this field is 127!")} << "127";
        QTest::newRow("air bar x 490 is fine") << Window::CustBars << "Text2(9)"
                                               << "490" << QStringList{} << "490";
        QTest::newRow("empty colour field") << Window::CustBars << "Text1(0)"
                                            << "" << QStringList{oneDigit} << "";
        QTest::newRow("effect above 10") << Window::CustFonts << "Text1(25)"
                                         << "11" << QStringList{QStringLiteral("Maximum value for this field is 10!")}
                                         << "10";
        QTest::newRow("waterfall below -128")
            << Window::CustGfx << "Text1(31)"
            << "-200" << QStringList{QStringLiteral("Minimum value for this field is -128!")} << "-128";
        QTest::newRow("lightning byte short of two hex digits")
            << Window::CustGfx << "Text1(0)"
            << "5" << QStringList{QStringLiteral("You must fill this field with two hexadecimal symbols!")} << "5";
        QTest::newRow("frame interval 0 becomes 1")
            << Window::CustGfx2 << "Text1(8)"
            << "0" << QStringList{QStringLiteral("Minimum value for this field is 1!")} << "1";
        QTest::newRow("empty frame interval counts as 0, no one-digit message")
            << Window::CustGfx2 << "Text1(8)"
            << "" << QStringList{QStringLiteral("Minimum value for this field is 1!")} << "1";
        QTest::newRow("an empty sparkle amount is told before its limit") << Window::CustGfx2 << "Text1(1)"
                                                                          << "" << QStringList{oneDigit} << "";
        QTest::newRow("sparkle amount above 255") << Window::CustGfx2 << "Text1(1)"
                                                  << "300" << QStringList{max255} << "255";
        QTest::newRow("raw blast short of eight hex digits")
            << Window::CustGfx2 << "Text2(1)"
            << "1234567" << QStringList{QStringLiteral("You must fill this field with eight hexadecimal symbols!")}
            << "1234567";
    }

    void leavingAFieldChecksItsLimits()
    {
        QFETCH(Window, window);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QStringList, messages);
        QFETCH(QString, after);
        QLineEdit* edit = test::child<QLineEdit>(program().show(window), field);
        test::typeAndLeave(edit, typed);
        QCOMPARE(toList(program().ui.messageTexts()), messages);
        QCOMPARE(edit->text(), after);
        QCOMPARE(QApplication::focusWidget() == edit, !messages.isEmpty());
        const SettingId id = *settingOfControl(window, field.toStdString());
        QCOMPARE(QString::fromStdString(settings().text(id)), after);
    }

    void aRefusedFieldKeepsTheWindowAndItsCommands()
    {
        QDialog& bars = program().open(Window::CustBars);
        QLineEdit* field = test::child<QLineEdit>(bars, QStringLiteral("Text1(3)"));
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClick(field, Qt::Key_Escape);
        QVERIFY2(bars.isVisible(), "Escape on a refused field does not close the window");
        QCOMPARE(
            program().ui.messageTexts(), std::vector<std::string>{"You must fill this field with at least one digit!"});
        QTest::keyClicks(field, QStringLiteral("7"));
        QTest::keyClick(field, Qt::Key_Escape);
        QVERIFY2(!bars.isVisible(), "Escape hides the window like apply");
        QCOMPARE(settings().text(settingId("HFadeColourR")), std::string("7"));
    }

    void enablingRulesFollowPresetsAndDefaults()
    {
        QDialog& weapons = program().open(Window::CustWeapons);
        auto enabled = [&weapons](const char* name) {
            return test::child<QLineEdit>(weapons, QString::fromLatin1(name))->isEnabled();
        };
        QVERIFY(!enabled("Text5(17)") && !enabled("Text5(22)") && !enabled("Text5(23)"));
        loadPreset({"[preset]", "version=0.67", "EnablePoisonDamageChanging=1", "ReviveShotGunflash=1"});
        QVERIFY(enabled("Text5(17)") && enabled("Text5(22)") && enabled("Text5(23)"));
        QVERIFY(enabled("Text5(24)"));
        QTest::mouseClick(test::child<QPushButton>(weapons, QStringLiteral("Command2")), Qt::LeftButton);
        QVERIFY(!enabled("Text5(17)") && !enabled("Text5(22)") && !enabled("Text5(23)"));
        QVERIFY(enabled("Text5(24)"));
    }

    void defaultsPutBackTheirOwnCategoryOnly()
    {
        QDialog& bars = program().open(Window::CustBars);
        settings().setText(settingId("HMainColourR"), "12");
        settings().setState(settingId("HHide"), 1);
        settings().setText(settingId("PistolDamage"), "77");
        settings().setText(settingId("MainFontMainColourR"), "99");
        settings().setState(settingId("SaveTrigger"), 1);
        QTest::mouseClick(test::child<QPushButton>(bars, QStringLiteral("Command2")), Qt::LeftButton);
        QCOMPARE(test::child<QLineEdit>(bars, QStringLiteral("Text1(0)"))->text(), QStringLiteral("255"));
        QVERIFY(!test::child<QCheckBox>(bars, QStringLiteral("Check1"))->isChecked());
        QCOMPARE(settings().text(settingId("PistolDamage")), std::string("77"));
        QCOMPARE(settings().text(settingId("MainFontMainColourR")), std::string("99"));
        QCOMPARE(settings().state(settingId("SaveTrigger")), 1);
        QVERIFY(program().ui.messages.empty());
    }

    void flagLettersCycleByClickAndKey()
    {
        QDialog& weapons = program().open(Window::CustWeapons);
        auto* grenadeFlash = test::child<QAbstractButton>(weapons, QStringLiteral("Label31(2)"));
        QCOMPARE(grenadeFlash->text(), QStringLiteral("f"));
        QTest::mouseClick(grenadeFlash, Qt::LeftButton);
        QCOMPARE(grenadeFlash->text(), QStringLiteral("u"));
        QCOMPARE(settings().flag(settingId("GrenFlshFlag")), 4.0);

        auto* crossbowNormal = test::child<QAbstractButton>(weapons, QStringLiteral("Label30(0)"));
        crossbowNormal->setFocus();
        QTest::keyClick(crossbowNormal, Qt::Key_Space);
        QCOMPARE(crossbowNormal->text(), QStringLiteral("p"));
        QCOMPARE(settings().flag(settingId("XBowNormFlag")), 2.0);

        // A preset's flag shows at once.
        loadPreset({"[preset]", "version=0.67", "XBowExplosiveFlag=2"});
        QCOMPARE(test::child<QAbstractButton>(weapons, QStringLiteral("Label30(2)"))->text(), QStringLiteral("p"));
    }

    void swatchesFollowTheFieldsAndTheColourDialog()
    {
        QDialog& bars = program().open(Window::CustBars);
        Swatch* health = swatchNamed(bars, QStringLiteral("health bar main colour swatch"));
        QCOMPARE(health->colour(), QColor(255, 0, 0));
        QLineEdit* green = test::child<QLineEdit>(bars, QStringLiteral("Text1(1)"));
        green->setFocus();
        green->selectAll();
        QTest::keyClicks(green, QStringLiteral("128"));
        QCOMPARE(health->colour(), QColor(255, 128, 0));
        QTest::keyClick(green, Qt::Key_Backspace);
        QTest::keyClick(green, Qt::Key_Backspace);
        QTest::keyClick(green, Qt::Key_Backspace);
        QCOMPARE(health->colour(), QColor(255, 0, 0)); // an empty field counts as 0
        QTest::keyClicks(green, QStringLiteral("1"));

        // Music fade: its fields run 41, 40, 39 for red, green and blue. F4
        // in any of them opens the dialog, and the field keeps the focus.
        Swatch* musicFade = swatchNamed(bars, QStringLiteral("music volume bar fade colour swatch"));
        QLineEdit* musicFadeGreen = test::child<QLineEdit>(bars, QStringLiteral("Text1(40)"));
        program().chosenColours = {QColor(10, 20, 30)};
        musicFadeGreen->setFocus();
        QTest::keyClick(musicFadeGreen, Qt::Key_F4);
        QCOMPARE(program().offeredColours, (std::vector<QColor>{QColor(31, 31, 31)}));
        QCOMPARE(test::child<QLineEdit>(bars, QStringLiteral("Text1(41)"))->text(), QStringLiteral("10"));
        QCOMPARE(musicFadeGreen->text(), QStringLiteral("20"));
        QCOMPARE(test::child<QLineEdit>(bars, QStringLiteral("Text1(39)"))->text(), QStringLiteral("30"));
        QCOMPARE(musicFade->colour(), QColor(10, 20, 30));
        QVERIFY(QApplication::focusWidget() == musicFadeGreen);

        program().chosenColours = {QColor(1, 2, 3)};
        QLineEdit* musicFadeBlue = test::child<QLineEdit>(bars, QStringLiteral("Text1(39)"));
        QTest::keyClick(musicFadeBlue, Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(settings().text(settingId("MusBarFadeColourB")), std::string("3"));

        QTest::mouseClick(musicFade, Qt::LeftButton); // the user cancels
        QCOMPARE(program().offeredColours.size(), 3u);
        QCOMPARE(settings().text(settingId("MusBarFadeColourR")), std::string("1"));
        QVERIFY2(QApplication::focusWidget() == musicFadeGreen, "a click leaves the focus where it was");
    }

    // Each column of blocks is one grid: the R fields of all its rows stand in line.
    void theBarsColourFieldsStandInColumns()
    {
        QDialog& bars = program().open(Window::CustBars);
        const std::vector<std::vector<int>> columns = {
            {0, 3, 24, 11, 8, 17, 14, 18, 21}, // health, air, sprint, loading
            {29, 32, 35, 38, 41, 44, 47},      // sound, music, misc
        };
        for (const std::vector<int>& redFields : columns) {
            auto x = [&bars](int index) {
                const auto* field = test::child<QLineEdit>(bars, QStringLiteral("Text1(%1)").arg(index));
                return field->mapTo(&bars, QPoint()).x();
            };
            for (const int index : redFields) {
                QVERIFY2(x(index) == x(redFields.front()),
                    qPrintable(QStringLiteral("Text1(%1) stands out of line").arg(index)));
            }
        }
    }

    void helpTextsAreShownWhole_data()
    {
        QTest::addColumn<Window>("window");
        QTest::addColumn<QString>("text");
        QTest::newRow("weapons")
            << Window::CustWeapons
            << "Crossbow ammo flags:\n   n = Normal Ammo\n   p = Poison Ammo\n   e = Explosive Ammo\n\n"
               "Grenade ammo flags:\n   n = Normal Ammo\n   s = Super Ammo\n   f = Flash Ammo\n"
               "   u = Ultra Ammo (One-Touch Grenade)\n   x = Frag Ammo";
        QTest::newRow("bars") << Window::CustBars
                              << "ABO = Active Bar Overlay\nPBO = Passive Bar Overlay (for option bars only)";
        QTest::newRow("enemy HP") << Window::CustEnemy
                                  << "To change Small Scorpion HP, you must enable far jump patch, which will modify "
                                     "level loading code a bit.\nTo enable far jump patch, turn on ''Enable SS HP "
                                     "change'' option.";
        QTest::newRow("damage") << Window::CustOxmaHP
                                << "BROWN text - only POSITIVE values possible.\nBLUE text - NEGATIVE values possible "
                                   "also.";
    }

    void helpTextsAreShownWhole()
    {
        QFETCH(Window, window);
        QFETCH(QString, text);
        QDialog& dialog = program().open(window);
        QTest::mouseClick(test::child<QPushButton>(dialog, QStringLiteral("Command4")), Qt::LeftButton);
        QCOMPARE(toList(program().ui.messageTexts()), QStringList{text});
    }

    void theAlignmentListIsPickedNotTyped()
    {
        QDialog& fonts = program().open(Window::CustFonts);
        auto* list = test::child<QComboBox>(fonts, QStringLiteral("Combo1(0)"));
        list->setFocus();
        QTest::keyClicks(list, QStringLiteral("left"));
        QCOMPARE(settings().state(settingId("MainMenuAlign")), 1);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(settings().state(settingId("MainMenuAlign")), 2);
        // The list's own entry: no language file gave it the captions.
        QCOMPARE(list->currentText(), QStringLiteral("right"));
    }

    void recalculatingTheHpBarRange_data()
    {
        QTest::addColumn<QString>("maximum");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("corrected");
        QTest::addColumn<QString>("divider");
        QTest::addColumn<QString>("range");
        QTest::newRow("the default 1000") << "1000" << QStringList{} << "1000"
                                          << "02"
                                          << "66FE8FD8";
        QTest::newRow("32767 pads to eight digits") << "32767" << QStringList{} << "32767"
                                                    << "02"
                                                    << "0324AB0D";
        QTest::newRow("100 is too low") << "100"
                                        << QStringList{QStringLiteral("You have set too low Max. HP bar value.")}
                                        << "202"
                                        << "00"
                                        << "7F77E22F";
        QTest::newRow("403 takes 01") << "403" << QStringList{} << "403"
                                      << "01"
                                      << "7FC8DB1F";
        QTest::newRow("402 takes 00") << "402" << QStringList{} << "402"
                                      << "00"
                                      << "400D1D98";
        QTest::newRow("805 takes 02") << "805" << QStringList{} << "805"
                                      << "02"
                                      << "7FF17E37";
        QTest::newRow("above 32767 from a file is too high")
            << "40000" << QStringList{QStringLiteral("You have set too high Max. HP bar value.")} << "32767"
            << "02"
            << "0324AB0D";
    }

    void recalculatingTheHpBarRange()
    {
        QFETCH(QString, maximum);
        QFETCH(QStringList, messages);
        QFETCH(QString, corrected);
        QFETCH(QString, divider);
        QFETCH(QString, range);
        QDialog& damage = program().open(Window::CustOxmaHP);
        // Away from the maximum field, whose own checks would come first.
        test::child<QLineEdit>(damage, QStringLiteral("Text2(1)"))->setFocus();
        QCoreApplication::processEvents();
        settings().setText(settingId("MaxHPBarValue"), maximum.toStdString());
        auto* recalculate = test::child<QPushButton>(damage, QStringLiteral("Command3"));
        QTest::mouseClick(recalculate, Qt::LeftButton);
        QCOMPARE(toList(program().ui.messageTexts()), messages);
        QCOMPARE(test::child<QLineEdit>(damage, QStringLiteral("Text2(0)"))->text(), corrected);
        QCOMPARE(test::child<QLineEdit>(damage, QStringLiteral("Text2(4)"))->text(), divider);
        QCOMPARE(test::child<QLineEdit>(damage, QStringLiteral("Text2(3)"))->text(), range);
        QCOMPARE(recalculate->palette().color(QPalette::Button), QColor(Qt::white));
    }

    void aKeyInTheMaximumMarksTheRangeStale()
    {
        QDialog& damage = program().open(Window::CustOxmaHP);
        auto* recalculate = test::child<QPushButton>(damage, QStringLiteral("Command3"));
        QLineEdit* maximum = test::child<QLineEdit>(damage, QStringLiteral("Text2(0)"));
        QTest::keyClick(maximum, Qt::Key_A); // swallowed, but still a key
        QCOMPARE(recalculate->palette().color(QPalette::Button), QColor(255, 192, 192));
        QCOMPARE(test::child<QLineEdit>(damage, QStringLiteral("Text2(3)"))->toolTip(),
            QStringLiteral("1717986919 in decimal"));
        QTest::mouseClick(test::child<QPushButton>(damage, QStringLiteral("Command2")), Qt::LeftButton);
        QCOMPARE(recalculate->palette().color(QPalette::Button), QColor(Qt::white));
    }

    void smallMedkitsAndFlaresMirrorUntilSeparated()
    {
        QDialog& inventory = program().open(Window::CustInv);
        QLineEdit* medkits = test::child<QLineEdit>(inventory, QStringLiteral("Text1(1)"));
        QLineEdit* flares = test::child<QLineEdit>(inventory, QStringLiteral("Text1(2)"));
        test::typeAndLeave(medkits, QStringLiteral("5"));
        QCOMPARE(flares->text(), QStringLiteral("5"));
        test::typeAndLeave(flares, QStringLiteral("9"));
        QCOMPARE(medkits->text(), QStringLiteral("9"));

        auto* separate = test::child<QCheckBox>(inventory, QStringLiteral("Check2"));
        separate->click();
        test::typeAndLeave(flares, QStringLiteral("7"));
        QCOMPARE(medkits->text(), QStringLiteral("9"));
        test::typeAndLeave(medkits, QStringLiteral("4"));
        QCOMPARE(flares->text(), QStringLiteral("7"));

        separate->click(); // joined again: the flares follow the medkits
        QCOMPARE(flares->text(), QStringLiteral("4"));
    }

    void inventoryRulesFollowPresetsDefaultsAndTheSaveTrigger()
    {
        QDialog& inventory = program().open(Window::CustInv);
        auto enabled = [&inventory](const char* name) {
            return test::child<QWidget>(inventory, QString::fromLatin1(name))->isEnabled();
        };
        QVERIFY(!enabled("Text1(17)") && !enabled("Text1(16)") && enabled("Check6"));
        loadPreset({"[preset]", "version=0.67", "SaveTrigger=1", "RemovePistolAmmo=1", "DisableUnlPistAmmoLabel=1",
            "DisableSave=1"});
        QVERIFY(enabled("Text1(17)") && enabled("Text1(16)"));
        auto* disableSave = test::child<QCheckBox>(inventory, QStringLiteral("Check6"));
        QVERIFY2(!disableSave->isEnabled() && disableSave->isChecked(), "greyed by the save trigger, value kept");

        QTest::mouseClick(test::child<QPushButton>(inventory, QStringLiteral("Command2")), Qt::LeftButton);
        QVERIFY(!enabled("Text1(17)") && !enabled("Text1(16)"));
        QVERIFY2(!disableSave->isEnabled(), "the save trigger belongs to the main window and stays");
        test::child<QCheckBox>(program().mainWindow(), QStringLiteral("Check13"))->click();
        QVERIFY(disableSave->isEnabled());
    }

    void theSmallScorpionFieldAndTheHiddenPicture()
    {
        QDialog& enemies = program().open(Window::CustEnemy);
        QLineEdit* scorpion = test::child<QLineEdit>(enemies, QStringLiteral("Text1(24)"));
        QVERIFY(!scorpion->isEnabled());
        settings().setText(settingId("SmallScorpionHP"), "12");
        test::child<QCheckBox>(enemies, QStringLiteral("Check1"))->click();
        QVERIFY(scorpion->isEnabled());
        test::child<QCheckBox>(enemies, QStringLiteral("Check1"))->click();
        QVERIFY(!scorpion->isEnabled());
        QCOMPARE(scorpion->text(), QStringLiteral("12"));

        auto* picture = test::child<QLabel>(enemies, QStringLiteral("Image2"));
        QTest::mouseClick(test::child<QLabel>(enemies, QStringLiteral("Label1(6)")), Qt::LeftButton);
        QVERIFY2(picture->isHidden(), "only the label that says Set: shows it");
        auto* set = test::child<QLabel>(enemies, QStringLiteral("Label1(7)"));
        QCOMPARE(set->text(), QStringLiteral("Set:"));
        QTest::mouseClick(set, Qt::LeftButton);
        QVERIFY(picture->isVisible());
        QTest::mouseClick(picture, Qt::LeftButton);
        QVERIFY(picture->isHidden());
    }

    void pictureButtonsLeadIntoTheirSpeedField()
    {
        QDialog& physics = program().open(Window::CustPhys);
        QLineEdit* swimSpeed = test::child<QLineEdit>(physics, QStringLiteral("Text2(10)"));
        QTest::mouseClick(test::child<QPushButton>(physics, QStringLiteral("Command1(10)")), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), swimSpeed);
        QCOMPARE(swimSpeed->toolTip(), QStringLiteral("200 in decimal"));
        QCOMPARE(
            test::child<QLineEdit>(physics, QStringLiteral("Text2(1)"))->toolTip(), QStringLiteral("-1456 in decimal"));

        swimSpeed->selectAll();
        QTest::keyClicks(swimSpeed, QStringLiteral("0C8"));
        QTest::mouseClick(test::child<QPushButton>(physics, QStringLiteral("Command1(0)")), Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(program().ui.messageTexts(),
            std::vector<std::string>{"You must fill this field with four hexadecimal symbols!"});
        QCOMPARE(QApplication::focusWidget(), swimSpeed);

        // Borrowed when the window loaded: 0 shows button 1's picture.
        QCOMPARE(test::child<QPushButton>(physics, QStringLiteral("Command1(0)"))->icon().cacheKey(),
            test::child<QPushButton>(physics, QStringLiteral("Command1(1)"))->icon().cacheKey());
    }

    void theLightsDisplayAndList()
    {
        QDialog& lights = program().open(Window::CustLite);
        auto* intensity = test::child<QScrollBar>(lights, QStringLiteral("HScroll4"));
        QLineEdit* display = test::child<QLineEdit>(lights, QStringLiteral("Text4"));
        intensity->setValue(-1);
        QCOMPARE(display->text(), QStringLiteral("0"));
        QCOMPARE(display->palette().color(QPalette::Base), QColor(Qt::black));
        QCOMPARE(display->palette().color(QPalette::Text), QColor(Qt::white));
        intensity->setValue(0);
        QCOMPARE(display->text(), QStringLiteral("0.0009..."));
        QCOMPARE(display->palette().color(QPalette::Text), QColor(Qt::black));

        auto* binoculars = test::child<QComboBox>(lights, QStringLiteral("Combo1"));
        binoculars->setFocus();
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("77"));
        QCOMPARE(settings().text(settingId("BinocsRange")), std::string("20"));
        QCOMPARE(binoculars->currentText(), QStringLiteral("20"));
    }

    void aPresetOfEditsInEveryWindowLoadsBackInAFreshStart()
    {
        const std::pair<Window, std::pair<const char*, const char*>> edits[] = {
            {Window::Form1, {"Text5(18)", "77"}},
            {Window::CustWeapons, {"Text5(13)", "44"}},
            {Window::CustBars, {"Text2(6)", "555"}},
            {Window::CustFonts, {"Text1(18)", "99"}},
            {Window::CustGfx, {"Text11", "1234"}},
            {Window::CustGfx2, {"Text2(3)", "0ABCDEF0"}},
            {Window::CustLite, {"Text1(3)", "33"}},
            {Window::CustInv, {"Text2(1)", "900"}},
            {Window::CustEnemy, {"Text1(20)", "321"}},
            {Window::CustOxmaHP, {"Text1(9)", "-7"}},
            {Window::CustPhys, {"Text2(7)", "ABCD"}},
        };
        for (const auto& [window, edit] : edits) {
            QWidget& shown = program().show(window);
            test::typeAndLeave(
                test::child<QLineEdit>(shown, QString::fromLatin1(edit.first)), QString::fromLatin1(edit.second));
            if (window != Window::Form1)
                shown.hide();
        }
        QVERIFY(program().ui.messages.empty());
        const std::string path = (program().folder / "every.qpt");
        program().ui.fileAnswers = {path};
        QTest::mouseClick(
            test::child<QPushButton>(program().mainWindow(), QStringLiteral("Command16")), Qt::LeftButton);
        const std::vector<std::string> saved = presetLines(settings());
        program().windows->form1().hide();

        test::StartedProgram fresh;
        fresh.ui.fileAnswers = {path};
        QTest::mouseClick(test::child<QPushButton>(fresh.mainWindow(), QStringLiteral("Command12")), Qt::LeftButton);
        QVERIFY(fresh.ui.messages.empty());
        QCOMPARE(presetLines(fresh.session.settings), saved);
        QCOMPARE(test::child<QLineEdit>(fresh.open(Window::CustPhys), QStringLiteral("Text2(7)"))->text(),
            QStringLiteral("ABCD"));
    }
};

} // namespace golv

QTEST_MAIN(golv::CustomizerWindowsTest)
#include "CustomizerWindowsTest.moc"
