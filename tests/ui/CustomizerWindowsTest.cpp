#include "settings/SettingId.h"
#include "support/RowTable.h"
#include "support/StartedProgram.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

namespace golv {
namespace {

QStringList toList(const std::vector<std::string>& texts)
{
    QStringList list;
    for (const std::string& text : texts)
        list << QString::fromStdString(text);
    return list;
}

QStringList oneOrNone(const char* message)
{
    return *message ? QStringList{QString::fromUtf8(message)} : QStringList{};
}

const char* const kOneDigit = "You must fill this field with at least one digit!";
const char* const kMax127 = "Maximum value for this field is 127!";
const char* const kMax255 = "Maximum value for this field is 255!";

struct LeaveRow {
    const char* name;
    Window window;
    const char* field;
    const char* typed;
    const char* message; // empty: the value is taken as it is
    const char* after;
};

// clang-format off
const LeaveRow kLeaveRows[] = {
    {"sound ID above 127",       Window::Form1,       "Text5(0)",  "200",   kMax127,                                 "127"},
    {"empty sound ID",           Window::Form1,       "Text5(18)", "",      kOneDigit,                               ""},
    {"sound ID 0 is fine",       Window::Form1,       "Text5(18)", "0",     "",                                      "0"},
    {"shot amount above 6",      Window::CustWeapons, "Text5(19)", "9",     "Maximum value for this field is 6!",    "6"},
    {"grid field above 255",     Window::CustWeapons, "Text5(0)",  "300",   kMax255,                                 "255"},
    {"fly speed above 65535",    Window::CustWeapons, "Text5(20)", "70000", "Maximum value for this field is 65535!", "65535"},
    {"dispersion short of four hex digits, lower case swallowed",
                                 Window::CustWeapons, "Text5(11)", "15aB",
                                 "You must fill this field with four hexadecimal symbols!",                          "15B"},
    {"loading bar x above 127",  Window::CustBars,    "Text2(8)",  "200",   kMax127,                                 "127"},
    {"air bar x 490 is fine",    Window::CustBars,    "Text2(9)",  "490",   "",                                      "490"},
    {"empty colour field",       Window::CustBars,    "Text1(0)",  "",      kOneDigit,                               ""},
    {"effect above 10",          Window::CustFonts,   "Text1(25)", "11",    "Maximum value for this field is 10!",   "10"},
    {"waterfall below -128",     Window::CustGfx,     "Text1(31)", "-200",  "Minimum value for this field is -128!", "-128"},
    {"lightning byte short of two hex digits",
                                 Window::CustGfx,     "Text1(0)",  "5",
                                 "You must fill this field with two hexadecimal symbols!",                           "5"},
    {"frame interval 0 becomes 1", Window::CustGfx2,  "Text1(8)",  "0",     "Minimum value for this field is 1!",    "1"},
    {"empty frame interval counts as 0, no one-digit message",
                                 Window::CustGfx2,    "Text1(8)",  "",      "Minimum value for this field is 1!",    "1"},
    {"an empty sparkle amount is told before its limit",
                                 Window::CustGfx2,    "Text1(1)",  "",      kOneDigit,                               ""},
    {"sparkle amount above 255", Window::CustGfx2,    "Text1(1)",  "300",   kMax255,                                 "255"},
    {"raw blast short of eight hex digits",
                                 Window::CustGfx2,    "Text2(1)",  "1234567",
                                 "You must fill this field with eight hexadecimal symbols!",                         "1234567"},
    {"flash area 33 is fine",    Window::CustLite,    "Text1(3)",  "33",    "",                                      "33"},
    {"start-up air 900 is fine", Window::CustInv,     "Text2(1)",  "900",   "",                                      "900"},
    {"hit points 321 are fine",  Window::CustEnemy,   "Text1(20)", "321",   "",                                      "321"},
    {"signed damage -7 is fine", Window::CustOxmaHP,  "Text1(9)",  "-7",    "",                                      "-7"},
    {"four hex digits are fine", Window::CustPhys,    "Text2(7)",  "ABCD",  "",                                      "ABCD"},
};

struct HelpRow {
    const char* name;
    Window window;
    const char* text;
};

const HelpRow kHelpRows[] = {
    {"weapons", Window::CustWeapons,
     "Crossbow ammo flags:\n   n = Normal Ammo\n   p = Poison Ammo\n   e = Explosive Ammo\n\n"
     "Grenade ammo flags:\n   n = Normal Ammo\n   s = Super Ammo\n   f = Flash Ammo\n"
     "   u = Ultra Ammo (One-Touch Grenade)\n   x = Frag Ammo"},
    {"bars", Window::CustBars, "ABO = Active Bar Overlay\nPBO = Passive Bar Overlay (for option bars only)"},
    {"enemy HP", Window::CustEnemy,
     "To change Small Scorpion HP, you must enable far jump patch, which will modify level loading code a bit.\n"
     "To enable far jump patch, turn on ''Enable SS HP change'' option."},
    {"damage", Window::CustOxmaHP, "BROWN text - only POSITIVE values possible.\nBLUE text - NEGATIVE values possible also."},
};

struct HpBarRow {
    const char* name;
    const char* maximum;
    const char* message;
    const char* corrected;
    const char* divider;
    const char* range;
};

const HpBarRow kHpBarRows[] = {
    {"the default 1000",                     "1000",  "",                                          "1000",  "02", "66FE8FD8"},
    {"32767 pads to eight digits",           "32767", "",                                          "32767", "02", "0324AB0D"},
    {"100 is too low",                       "100",   "You have set too low Max. HP bar value.",  "202",   "00", "7F77E22F"},
    {"403 takes 01",                         "403",   "",                                          "403",   "01", "7FC8DB1F"},
    {"402 takes 00",                         "402",   "",                                          "402",   "00", "400D1D98"},
    {"805 takes 02",                         "805",   "",                                          "805",   "02", "7FF17E37"},
    {"above 32767 from a file is too high",  "40000", "You have set too high Max. HP bar value.", "32767", "02", "0324AB0D"},
};
// clang-format on

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
    QStringList messages() const { return toList(m_program->ui.messageTexts()); }

    void loadPreset(const std::vector<std::string>& lines)
    {
        program().folder.write("in.qpt", test::crlfText(lines));
        program().ui.fileAnswers = {(program().folder / "in.qpt")};
        test::click(program().mainWindow(), "Command12");
    }

    static bool enabled(const QWidget& window, const char* name)
    {
        return test::child<QWidget>(window, QString::fromLatin1(name))->isEnabled();
    }

    static QString text(const QWidget& window, const char* name)
    {
        return test::child<QLineEdit>(window, QString::fromLatin1(name))->text();
    }

private slots:
    void init() { m_program = std::make_unique<test::StartedProgram>(); }
    void cleanup() { m_program.reset(); }

    void leavingAFieldChecksItsLimits_data() { test::addRows(kLeaveRows); }

    void leavingAFieldChecksItsLimits()
    {
        const LeaveRow& row = test::fetchRow(kLeaveRows);
        QLineEdit* edit = test::child<QLineEdit>(program().show(row.window), QString::fromLatin1(row.field));
        test::typeAndLeave(edit, QString::fromLatin1(row.typed));
        QCOMPARE(messages(), oneOrNone(row.message));
        QCOMPARE(edit->text(), QString::fromLatin1(row.after));
        QCOMPARE(QApplication::focusWidget() == edit, *row.message != '\0');
        QCOMPARE(settings().text(*settingOfControl(row.window, row.field)), std::string(row.after));
    }

    void aRefusedFieldKeepsTheWindowAndItsCommands()
    {
        QDialog& bars = program().open(Window::CustBars);
        QLineEdit* field = test::child<QLineEdit>(bars, "Text1(3)");
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClick(field, Qt::Key_Escape);
        QVERIFY2(bars.isVisible(), "Escape on a refused field does not close the window");
        QCOMPARE(messages(), QStringList{kOneDigit});
        QTest::keyClicks(field, "7");
        QTest::keyClick(field, Qt::Key_Escape);
        QVERIFY2(!bars.isVisible(), "Escape hides the window like apply");
        QCOMPARE(settings().text(settingId("HFadeColourR")), "7");
    }

    // The rules themselves are the store's; a window has to follow them
    // whether a preset, its "defaults" or a box of another window moves them.
    void enablingRulesFollowPresetsDefaultsAndOtherWindows()
    {
        const QDialog& weapons = program().open(Window::CustWeapons);
        const QDialog& inventory = program().open(Window::CustInv);
        const QDialog& enemies = program().open(Window::CustEnemy);
        const std::pair<const QDialog*, const char*> ruled[] = {{&weapons, "Text5(17)"}, {&weapons, "Text5(22)"},
            {&weapons, "Text5(23)"}, {&inventory, "Text1(17)"}, {&inventory, "Text1(16)"}, {&enemies, "Text1(24)"}};
        const auto enabledOnes = [&ruled] {
            QStringList names;
            for (const auto& [window, name] : ruled) {
                if (enabled(*window, name))
                    names << QString::fromLatin1(name);
            }
            return names;
        };
        QCOMPARE(enabledOnes(), QStringList{});
        QVERIFY(enabled(weapons, "Text5(24)") && enabled(inventory, "Check6"));
        loadPreset({"[preset]", "version=0.67", "EnablePoisonDamageChanging=1", "ReviveShotGunflash=1", "SaveTrigger=1",
            "RemovePistolAmmo=1", "DisableUnlPistAmmoLabel=1", "DisableSave=1", "EnableSmallScorpionHPChange=1"});
        QCOMPARE(
            enabledOnes(), QStringList({"Text5(17)", "Text5(22)", "Text5(23)", "Text1(17)", "Text1(16)", "Text1(24)"}));
        auto* disableSave = test::child<QCheckBox>(inventory, "Check6");
        QVERIFY2(!disableSave->isEnabled() && disableSave->isChecked(), "greyed by the save trigger, value kept");

        for (const QDialog* window : {&weapons, &inventory, &enemies})
            test::click(*window, "Command2");
        QCOMPARE(enabledOnes(), QStringList{});
        QVERIFY(enabled(weapons, "Text5(24)"));
        QVERIFY2(!disableSave->isEnabled(), "the save trigger belongs to the main window and stays");
        test::child<QCheckBox>(program().mainWindow(), "Check13")->click();
        QVERIFY(disableSave->isEnabled());
    }

    void defaultsPutBackTheirOwnCategoryOnly()
    {
        QDialog& bars = program().open(Window::CustBars);
        settings().setText(settingId("HMainColourR"), "12");
        settings().setState(settingId("HHide"), 1);
        settings().setText(settingId("PistolDamage"), "77");
        settings().setText(settingId("MainFontMainColourR"), "99");
        settings().setState(settingId("SaveTrigger"), 1);
        test::click(bars, "Command2");
        QCOMPARE(text(bars, "Text1(0)"), QStringLiteral("255"));
        QVERIFY(!test::child<QCheckBox>(bars, "Check1")->isChecked());
        QCOMPARE(settings().text(settingId("PistolDamage")), "77");
        QCOMPARE(settings().text(settingId("MainFontMainColourR")), "99");
        QCOMPARE(settings().state(settingId("SaveTrigger")), 1);
        QVERIFY(program().ui.messages.empty());
    }

    void flagLettersCycleByClickAndKey()
    {
        QDialog& weapons = program().open(Window::CustWeapons);
        auto* grenadeFlash = test::child<QAbstractButton>(weapons, "Label31(2)");
        QCOMPARE(grenadeFlash->text(), QStringLiteral("f"));
        QTest::mouseClick(grenadeFlash, Qt::LeftButton);
        QCOMPARE(grenadeFlash->text(), QStringLiteral("u"));
        QCOMPARE(settings().flag(settingId("GrenFlshFlag")), 4.0);

        auto* crossbowNormal = test::child<QAbstractButton>(weapons, "Label30(0)");
        crossbowNormal->setFocus();
        QTest::keyClick(crossbowNormal, Qt::Key_Space);
        QCOMPARE(crossbowNormal->text(), QStringLiteral("p"));
        QCOMPARE(settings().flag(settingId("XBowNormFlag")), 2.0);

        loadPreset({"[preset]", "version=0.67", "XBowExplosiveFlag=2"});
        QCOMPARE(test::child<QAbstractButton>(weapons, "Label30(2)")->text(), QStringLiteral("p"));
    }

    void swatchesFollowTheFieldsAndTheColourDialog()
    {
        QDialog& bars = program().open(Window::CustBars);
        Swatch* health = test::swatchNamed(bars, "health bar main colour swatch");
        QCOMPARE(health->colour(), QColor(255, 0, 0));
        QLineEdit* green = test::child<QLineEdit>(bars, "Text1(1)");
        green->setFocus();
        green->selectAll();
        QTest::keyClicks(green, "128");
        QCOMPARE(health->colour(), QColor(255, 128, 0));
        green->selectAll();
        QTest::keyClick(green, Qt::Key_Backspace);
        QCOMPARE(health->colour(), QColor(255, 0, 0)); // an empty field counts as 0
        QTest::keyClicks(green, "1");

        // Music fade: its fields run 41, 40, 39 for red, green and blue. F4
        // in any of them opens the dialog, and the field keeps the focus.
        Swatch* musicFade = test::swatchNamed(bars, "music volume bar fade colour swatch");
        QLineEdit* musicFadeGreen = test::child<QLineEdit>(bars, "Text1(40)");
        program().chosenColours = {QColor(10, 20, 30)};
        musicFadeGreen->setFocus();
        QTest::keyClick(musicFadeGreen, Qt::Key_F4);
        QCOMPARE(program().offeredColours, (std::vector<QColor>{QColor(31, 31, 31)}));
        QCOMPARE(QStringList({text(bars, "Text1(41)"), text(bars, "Text1(40)"), text(bars, "Text1(39)")}),
            QStringList({"10", "20", "30"}));
        QCOMPARE(musicFade->colour(), QColor(10, 20, 30));
        QCOMPARE(QApplication::focusWidget(), musicFadeGreen);

        program().chosenColours = {QColor(1, 2, 3)};
        QTest::keyClick(test::child<QLineEdit>(bars, "Text1(39)"), Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(settings().text(settingId("MusBarFadeColourB")), "3");

        QTest::mouseClick(musicFade, Qt::LeftButton); // the user cancels
        QCOMPARE(program().offeredColours.size(), 3u);
        QCOMPARE(settings().text(settingId("MusBarFadeColourR")), "1");
        QVERIFY2(QApplication::focusWidget() == musicFadeGreen, "a click leaves the focus where it was");
    }

    // Each column of blocks is one grid: the R fields of all its rows stand in line.
    void theBarsColourFieldsStandInColumns()
    {
        QDialog& bars = program().open(Window::CustBars);
        const auto x = [&bars](int index) {
            return test::child<QLineEdit>(bars, QStringLiteral("Text1(%1)").arg(index))->mapTo(&bars, QPoint()).x();
        };
        const std::vector<int> columns[] = {
            {0, 3, 24, 11, 8, 17, 14, 18, 21}, // health, air, sprint, loading
            {29, 32, 35, 38, 41, 44, 47},      // sound, music, misc
        };
        for (const std::vector<int>& column : columns) {
            for (const int index : column)
                QVERIFY2(x(index) == x(column.front()), qPrintable(QStringLiteral("Text1(%1) stands out").arg(index)));
        }
    }

    void helpTextsAreShownWhole_data() { test::addRows(kHelpRows); }

    void helpTextsAreShownWhole()
    {
        const HelpRow& row = test::fetchRow(kHelpRows);
        test::click(program().open(row.window), "Command4");
        QCOMPARE(messages(), QStringList{QString::fromUtf8(row.text)});
    }

    void theAlignmentListIsPickedNotTyped()
    {
        auto* list = test::child<QComboBox>(program().open(Window::CustFonts), "Combo1(0)");
        list->setFocus();
        QTest::keyClicks(list, "left");
        QCOMPARE(settings().state(settingId("MainMenuAlign")), 1);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(settings().state(settingId("MainMenuAlign")), 2);
        // The list's own entry: no language file gave it the captions.
        QCOMPARE(list->currentText(), QStringLiteral("right"));
    }

    void recalculatingTheHpBarRange_data() { test::addRows(kHpBarRows); }

    void recalculatingTheHpBarRange()
    {
        const HpBarRow& row = test::fetchRow(kHpBarRows);
        QDialog& damage = program().open(Window::CustOxmaHP);
        // Away from the maximum field, whose own checks would come first.
        test::child<QLineEdit>(damage, "Text2(1)")->setFocus();
        QCoreApplication::processEvents();
        settings().setText(settingId("MaxHPBarValue"), row.maximum);
        test::click(damage, "Command3");
        QCOMPARE(messages(), oneOrNone(row.message));
        QCOMPARE(QStringList({text(damage, "Text2(0)"), text(damage, "Text2(4)"), text(damage, "Text2(3)")}),
            QStringList({row.corrected, row.divider, row.range}));
        QCOMPARE(test::child<QPushButton>(damage, "Command3")->palette().color(QPalette::Button), QColor(Qt::white));
    }

    void aKeyInTheMaximumMarksTheRangeStale()
    {
        QDialog& damage = program().open(Window::CustOxmaHP);
        auto* recalculate = test::child<QPushButton>(damage, "Command3");
        QTest::keyClick(test::child<QLineEdit>(damage, "Text2(0)"), Qt::Key_A); // swallowed, but still a key
        QCOMPARE(recalculate->palette().color(QPalette::Button), QColor(255, 192, 192));
        QCOMPARE(test::child<QLineEdit>(damage, "Text2(3)")->toolTip(), QStringLiteral("1717986919 in decimal"));
        test::click(damage, "Command2");
        QCOMPARE(recalculate->palette().color(QPalette::Button), QColor(Qt::white));
    }

    void smallMedkitsAndFlaresMirrorUntilSeparated()
    {
        QDialog& inventory = program().open(Window::CustInv);
        QLineEdit* medkits = test::child<QLineEdit>(inventory, "Text1(1)");
        QLineEdit* flares = test::child<QLineEdit>(inventory, "Text1(2)");
        test::typeAndLeave(medkits, "5");
        QCOMPARE(flares->text(), QStringLiteral("5"));
        test::typeAndLeave(flares, "9");
        QCOMPARE(medkits->text(), QStringLiteral("9"));

        auto* separate = test::child<QCheckBox>(inventory, "Check2");
        separate->click();
        test::typeAndLeave(flares, "7");
        QCOMPARE(medkits->text(), QStringLiteral("9"));
        test::typeAndLeave(medkits, "4");
        QCOMPARE(QStringList({medkits->text(), flares->text()}), QStringList({"4", "7"}));
        separate->click(); // joined again: the flares follow the medkits
        QCOMPARE(flares->text(), QStringLiteral("4"));
    }

    void onlyTheSetLabelShowsTheHiddenPicture()
    {
        QDialog& enemies = program().open(Window::CustEnemy);
        auto* picture = test::child<QLabel>(enemies, "Image2");
        QTest::mouseClick(test::child<QLabel>(enemies, "Label1(6)"), Qt::LeftButton);
        QVERIFY(picture->isHidden());
        QTest::mouseClick(test::child<QLabel>(enemies, "Label1(7)"), Qt::LeftButton); // "Set:"
        QVERIFY(picture->isVisible());
        QTest::mouseClick(picture, Qt::LeftButton);
        QVERIFY(picture->isHidden());
    }

    void pictureButtonsLeadIntoTheirSpeedField()
    {
        QDialog& physics = program().open(Window::CustPhys);
        QLineEdit* swimSpeed = test::child<QLineEdit>(physics, "Text2(10)");
        test::click(physics, "Command1(10)");
        QCOMPARE(QApplication::focusWidget(), swimSpeed);
        QCOMPARE(swimSpeed->toolTip(), QStringLiteral("200 in decimal"));
        QCOMPARE(test::child<QLineEdit>(physics, "Text2(1)")->toolTip(), QStringLiteral("-1456 in decimal"));

        swimSpeed->selectAll();
        QTest::keyClicks(swimSpeed, "0C8");
        test::click(physics, "Command1(0)");
        QCoreApplication::processEvents();
        QCOMPARE(messages(), QStringList{"You must fill this field with four hexadecimal symbols!"});
        QCOMPARE(QApplication::focusWidget(), swimSpeed);
    }

    void theLightsDisplayAndList()
    {
        QDialog& lights = program().open(Window::CustLite);
        auto* intensity = test::child<QScrollBar>(lights, "HScroll4");
        QLineEdit* display = test::child<QLineEdit>(lights, "Text4");
        intensity->setValue(-1);
        QCOMPARE(display->text(), QStringLiteral("0"));
        QCOMPARE(display->palette().color(QPalette::Base), QColor(Qt::black));
        QCOMPARE(display->palette().color(QPalette::Text), QColor(Qt::white));
        intensity->setValue(0);
        QCOMPARE(display->text(), QStringLiteral("0.0009..."));
        QCOMPARE(display->palette().color(QPalette::Text), QColor(Qt::black));

        auto* binoculars = test::child<QComboBox>(lights, "Combo1");
        binoculars->setFocus();
        QTest::keyClicks(QApplication::focusWidget(), "77");
        QCOMPARE(settings().text(settingId("BinocsRange")), "20");
        QCOMPARE(binoculars->currentText(), QStringLiteral("20"));
    }
};

} // namespace golv

QTEST_MAIN(golv::CustomizerWindowsTest)
#include "CustomizerWindowsTest.moc"
