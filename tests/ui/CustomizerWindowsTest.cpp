#include "settings/SettingId.h"
#include "support/RowTable.h"
#include "support/StartedProgram.h"
#include "ui/CustBars.h"
#include "ui/CustFonts.h"
#include "ui/CustWeapons.h"
#include "ui/WindowKeys.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

#include <map>
#include <tuple>

namespace golv {
namespace {

const char* const kOneDigit = "You must fill this field with at least one digit!";

struct LeaveRow {
    const char* name;
    Window window;
    const char* field;
    const char* typed;
    const char* message; // empty: the value is taken as it is
    const char* after;
    bool keepsFocus = true; // when there is a message
};

// The limits are the store's; these rows are one field of each kind of check,
// in the main window and in the dialogs, as leaving it runs them.
// clang-format off
const LeaveRow kLeaveRows[] = {
    {"sound ID above 127 is corrected and let go",
                                 Window::Form1,       "Text5(0)",  "200",   "Maximum value for this field is 127!",  "127", false},
    {"empty sound ID",           Window::Form1,       "Text5(18)", "",      kOneDigit,                               ""},
    {"dispersion short of four hex digits, lower case swallowed",
                                 Window::CustWeapons, "Text5(11)", "15aB",
                                 "You must fill this field with four hexadecimal symbols!",                          "15B"},
    {"waterfall below -128",     Window::CustGfx,     "Text1(31)", "-200",  "Minimum value for this field is -128!", "-128"},
    {"signed damage -7 is fine", Window::CustOxmaHP,  "Text1(9)",  "-7",    "",                                      "-7"},
    {"odd hex digits make no whole bytes",
                                 Window::CustInv,     "Text2(3)",  "1A3",
                                 "You must fill this field with an even number of hexadecimal symbols!",             "1A3"},
};

// clang-format on

} // namespace

// The customizer windows as a user meets them: every setting bound to its
// control, fields refused and corrected when left, "defaults", swatches,
// previews and what each window does on its own.
class CustomizerWindowsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::StartedProgram> m_program;

    test::StartedProgram& program() { return *m_program; }
    SettingsStore& settings() { return m_program->session.settings; }
    QStringList messages() const { return m_program->messages(); }

    static QString text(const QWidget& window, const char* name)
    {
        return test::child<QLineEdit>(window, QString::fromLatin1(name))->text();
    }

private slots:
    void init() { m_program = std::make_unique<test::StartedProgram>(); }
    void cleanup() { m_program.reset(); }

    // Each setting's control is found by the name the settings table gives
    // it, once in its window; what the store holds shows there, an edit goes
    // back, and it is greyed when the store's rules say so. Every window is
    // open first, so a rule one of them changes has to reach the others.
    void everySettingIsBoundToItsControl()
    {
        const auto opened = program().showAll();
        const std::map<Window, QWidget*> windows(opened.begin(), opened.end());
        for (SettingId id = 0; id < kSettings.size(); ++id) {
            const SettingDef& def = kSettings[id];
            const QWidget& window = *windows.at(def.window);
            const QString name = controlName(def.control);
            const auto option
                = [&](int index) { return test::child<QRadioButton>(window, controlName(def.control, index)); };
            const ControlKind kind = kindOf(def.conversion);
            const QString first = kind == ControlKind::Option ? controlName(def.control, 0) : name;
            const QByteArray where = (window.objectName() + QLatin1Char('.') + name).toLatin1();
            const auto inWindow = [&window](const QWidget* widget) { return widget->window() == &window; };
            QVERIFY2(std::ranges::count_if(window.findChildren<QWidget*>(first), inWindow) == 1, where);
            const bool enabled = test::child<QWidget>(window, first)->isEnabled();
            QVERIFY2(enabled == settings().isEnabled(id), where);
            if (kind == ControlKind::Text) {
                auto* field = test::child<QLineEdit>(window, name);
                settings().setText(id, "7");
                QCOMPARE(field->text(), QStringLiteral("7"));
                field->selectAll();
                QTest::keyClicks(field, "1");
                QVERIFY2(settings().text(id) == (enabled ? "1" : "7"), where);
            } else if (kind == ControlKind::Check) {
                auto* box = test::child<QCheckBox>(window, name);
                settings().setState(id, 2);
                QCOMPARE(box->checkState(), Qt::PartiallyChecked);
                box->click();
                QVERIFY2(settings().state(id) == (enabled ? 1 : 2), where);
            } else if (kind == ControlKind::Scroll) {
                auto* bar = test::child<QScrollBar>(window, name);
                QVERIFY2(bar->minimum() == def.low && bar->maximum() == def.high, where);
                settings().setState(id, def.low);
                QCOMPARE(bar->value(), int(def.low));
                bar->setValue(def.high);
                QVERIFY2(settings().state(id) == def.high, where);
            } else if (kind == ControlKind::Option) {
                for (int index = def.high; index >= 0; --index) {
                    option(index)->click();
                    QVERIFY2(settings().state(id) == index, where);
                    settings().setState(id, index == 0 ? 1 : 0);
                    QVERIFY2(option(index == 0 ? 1 : 0)->isChecked() && !option(index)->isChecked(), where);
                }
            } else if (kind == ControlKind::List) {
                auto* list = test::child<QComboBox>(window, name);
                const bool byIndex = def.conversion == Conversion::ListIndex;
                const auto value = [&] { return byIndex ? std::to_string(settings().state(id)) : settings().text(id); };
                const auto shown = [&] {
                    return value()
                        == (byIndex ? std::to_string(list->currentIndex()) : list->currentText().toStdString());
                };
                const std::string before = value();
                QTest::keyClicks(list, "r1"); // an entry is picked, never typed
                QVERIFY2(value() == before && shown(), where);
                QTest::keyClick(list, Qt::Key_Up);
                QVERIFY2(value() != before && shown(), where);
            } else {
                auto* flag = test::child<QAbstractButton>(window, name);
                const double before = settings().flag(id);
                flag->click();
                const std::string_view letter = settings().flagLetter(id);
                QVERIFY2(settings().flag(id) != before && flag->text() == controlName(letter), where);
            }
        }
    }

    void leavingAFieldChecksItsLimits_data() { test::addRows(kLeaveRows); }

    void leavingAFieldChecksItsLimits()
    {
        const LeaveRow& row = test::fetchRow(kLeaveRows);
        QLineEdit* edit = test::child<QLineEdit>(program().show(row.window), QString::fromLatin1(row.field));
        test::typeAndLeave(edit, QString::fromLatin1(row.typed));
        QCOMPARE(messages(), *row.message ? QStringList{QString::fromUtf8(row.message)} : QStringList{});
        QCOMPARE(edit->text(), QString::fromLatin1(row.after));
        QCOMPARE(QApplication::focusWidget() == edit, *row.message != '\0' && row.keepsFocus);
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

    // Return in a field runs no command of its window, whichever button
    // comes first there ("defaults", the preview, recalculate, "?"); on a
    // focused button it runs that button. Each dialog's "defaults" puts back
    // the settings of its own window and of no other, as one step.
    void returnAndDefaultsRunOnlyTheirOwnCommand()
    {
        std::vector<SettingId> texts; // every field of every dialog, at a value no default holds
        for (SettingId id = 0; id < kSettings.size(); ++id) {
            if (kSettings[id].window != Window::Form1 && kindOf(kSettings[id].conversion) == ControlKind::Text) {
                settings().setText(id, "98");
                texts.push_back(id);
            }
        }
        // The keys of the fields that do not hold "98" while only `reset`'s window is put back.
        const auto misplaced = [&](Window reset) {
            QString keys;
            for (const SettingId id : texts) {
                if ((settings().text(id) == "98") != (kSettings[id].window != reset))
                    keys += QLatin1Char(' ') + controlName(kSettings[id].key);
            }
            return keys;
        };
        for (int index = 1; index <= static_cast<int>(Window::CustPhys); ++index) {
            const auto window = static_cast<Window>(index);
            QDialog& dialog = program().open(window);
            const auto id = std::ranges::find_if(
                texts, [&](SettingId text) { return kSettings[text].window == window && settings().isEnabled(text); });
            QVERIFY(id != texts.end());
            QLineEdit* field = test::child<QLineEdit>(dialog, controlName(kSettings[*id].control));
            field->setFocus();
            QTest::keyClick(field, Qt::Key_Return);
            QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
            QVERIFY2(dialog.isVisible() && messages().isEmpty(), qPrintable(dialog.objectName()));
            QCOMPARE(misplaced(Window::Form1), QString());
            // Clicked without moving the focus, whose field's checks would refuse "98" first.
            test::child<QPushButton>(dialog, "Command2")->click();
            QCOMPARE(misplaced(window), QString());
            QVERIFY(settings().undo());
            QCOMPARE(misplaced(Window::Form1), QString());
            dialog.hide();
        }

        QDialog& gfx = program().open(Window::CustGfx);
        auto* defaults = test::child<QPushButton>(gfx, "Command2");
        defaults->setFocus();
        QTest::keyClick(defaults, Qt::Key_Return);
        QVERIFY(settings().text(settingId("GunflashAddR")) == "47" && messages().isEmpty());
    }

    // A swatch shows and tells its colour as its fields hold it. F4 or
    // Alt+Down in one of its fields, or a click on it, opens the colour
    // dialog, and the focus stays where it was.
    void theBarsSwatchesFollowTheFieldsTheColourDialogAndTheBlink()
    {
        auto& bars = static_cast<CustBars&>(program().open(Window::CustBars));
        const auto heard = [&bars](const char* swatch) { // as readers hear it
            return QAccessible::queryAccessibleInterface(test::swatchNamed(bars, swatch))
                ->text(QAccessible::Description);
        };
        QCOMPARE(heard("health bar main colour swatch"), QStringLiteral("red 255, green 0, blue 0"));

        // Music fade: its fields run 41, 40, 39 for red, green and blue.
        const auto musicFade = [&] {
            return QStringList({text(bars, "Text1(41)"), text(bars, "Text1(40)"), text(bars, "Text1(39)"),
                heard("music volume bar fade colour swatch")});
        };
        QLineEdit* musicFadeGreen = test::child<QLineEdit>(bars, "Text1(40)");
        program().chosenColours = {QColor(10, 20, 30), QColor(1, 2, 3)};
        musicFadeGreen->setFocus();
        QTest::keyClick(musicFadeGreen, Qt::Key_F4);
        QCOMPARE(musicFade(), QStringList({"10", "20", "30", "red 10, green 20, blue 30"}));
        QTest::keyClick(test::child<QLineEdit>(bars, "Text1(39)"), Qt::Key_Down, Qt::AltModifier);
        QTest::mouseClick(test::swatchNamed(bars, "music volume bar fade colour swatch"), Qt::LeftButton); // cancelled
        QCOMPARE(musicFade(), QStringList({"1", "2", "3", "red 1, green 2, blue 3"}));
        QCOMPARE(
            program().offeredColours, (std::vector<QColor>{QColor(31, 31, 31), QColor(10, 20, 30), QColor(1, 2, 3)}));
        QCOMPARE(QApplication::focusWidget(), musicFadeGreen);

        // The poisoned swatch blinks between the health colour and its sum
        // with the poisoned colour, as the fields hold them.
        QVERIFY(test::child<QTimer>(bars, "Timer1")->isActive());
        Swatch* preview = test::swatchNamed(bars, "health bar poisoned swatch");
        const auto set = [&](const std::string& colour, const QColor& value) {
            for (const auto& [channel, number] :
                {std::pair{"R", value.red()}, {"G", value.green()}, {"B", value.blue()}})
                settings().setText(*findSetting(colour + channel), std::to_string(number));
        };
        const std::tuple<QColor, QColor, QColor> rows[] = {
            // health, poisoned, their sum
            {QColor(255, 0, 0), QColor(0, 255, 0), QColor(255, 255, 0)}, // the defaults: red, then yellow
            {QColor(255, 0, 0), QColor(10, 0, 0), QColor(255, 0, 0)},    // red overflows: poisoned green and blue
            {QColor(0, 200, 0), QColor(5, 100, 7), QColor(5, 200, 7)},   // green overflows: poisoned red and blue
            // Green overflows and is taken back; then blue does.
            {QColor(0, 200, 200), QColor(1, 100, 100), QColor(1, 200, 100)},
        };
        for (const auto& [health, poisoned, sum] : rows) {
            set("HMainColour", health);
            set("HPoisonColour", poisoned);
            bars.blinkPoisonedPreview();
            QCOMPARE(preview->colour(), health);
            bars.blinkPoisonedPreview();
            QCOMPARE(preview->colour(), sum);
        }
    }

    void eachHelpButtonShowsItsWindowsHelp()
    {
        const std::pair<Window, const char*> rows[] = {{Window::CustWeapons, "Crossbow ammo flags:\n   n = Normal"},
            {Window::CustBars, "ABO = Active Bar Overlay\n"}, {Window::CustEnemy, "To change Small Scorpion HP"},
            {Window::CustOxmaHP, "BROWN text - only POSITIVE values possible.\n"}};
        for (const auto& [window, starts] : rows) {
            program().ui.messages.clear();
            test::click(program().open(window), "Command4");
            QVERIFY2(messages().size() == 1 && messages()[0].startsWith(QString::fromUtf8(starts)), starts);
        }
    }

    // A key in the maximum marks the range stale; "recalculate" fills the
    // three fields from the maximum and takes the mark off, and so does
    // "defaults".
    void theDamageWindowRecalculatesTheRange()
    {
        QDialog& damage = program().open(Window::CustOxmaHP);
        auto* recalculate = test::child<QPushButton>(damage, "Command3");
        QTest::keyClick(test::child<QLineEdit>(damage, "Text2(0)"), Qt::Key_A); // swallowed, but still a key
        const QImage stale = recalculate->grab().toImage();                     // one flat light red, top to bottom
        QCOMPARE(QColor(stale.pixel(4, 3)), QColor(255, 192, 192));
        QCOMPARE(QColor(stale.pixel(4, stale.height() - 4)), QColor(255, 192, 192));
        QVERIFY(recalculate->accessibleDescription().contains(QLatin1String("out of date")));
        test::child<QLineEdit>(damage, "Text2(1)")->setFocus(); // away from the maximum, whose checks come first
        QCoreApplication::processEvents();
        const std::tuple<const char*, const char*, const char*, const char*, const char*> rows[] = {
            // maximum, message, the maximum afterwards, divider, range
            {"100", "You have set too low Max. HP bar value.", "202", "00", "7F77E22F"},
            {"32767", "", "32767", "02", "0324AB0D"}, // padded to eight digits
            {"402", "", "402", "00", "400D1D98"}, {"403", "", "403", "01", "7FC8DB1F"},
            {"805", "", "805", "02", "7FF17E37"},
            {"40000", "You have set too high Max. HP bar value.", "32767", "02", "0324AB0D"}, // from a file
        };
        for (const auto& [maximum, message, corrected, divider, range] : rows) {
            program().ui.messages.clear();
            settings().setText(settingId("MaxHPBarValue"), maximum);
            test::click(damage, "Command3");
            QCOMPARE(messages(), *message ? QStringList{QString::fromUtf8(message)} : QStringList{});
            QCOMPARE(QStringList({text(damage, "Text2(0)"), text(damage, "Text2(4)"), text(damage, "Text2(3)")}),
                QStringList({corrected, divider, range}));
        }
        QCOMPARE(recalculate->palette().color(QPalette::Button), QColor(Qt::white));
        QVERIFY(recalculate->accessibleDescription().isEmpty());
        for (const Qt::Key moving : {Qt::Key_Left, Qt::Key_End, Qt::Key_Shift, Qt::Key_Tab})
            QTest::keyClick(test::child<QLineEdit>(damage, "Text2(0)"), moving);
        QCOMPARE(recalculate->palette().color(QPalette::Button), QColor(Qt::white));
        QTest::keyClick(test::child<QLineEdit>(damage, "Text2(0)"), Qt::Key_A);
        test::click(damage, "Command2");
        QCOMPARE(recalculate->palette().color(QPalette::Button), QColor(Qt::white));
    }

    void onlyTheSetLabelShowsTheHiddenPicture()
    {
        QDialog& enemies = program().open(Window::CustEnemy);
        const std::pair<const char*, bool> clicks[] = {{"Label1(6)", false}, {"Label1(7)", true}, {"Image2", false}};
        for (const auto& [clicked, shows] : clicks) { // Label1(7) is "Set:"
            QTest::mouseClick(test::child<QLabel>(enemies, clicked), Qt::LeftButton);
            QVERIFY2(test::child<QLabel>(enemies, "Image2")->isVisible() == shows, clicked);
        }
    }

    // A command comes after the checks of the field the click left.
    void pictureButtonsLeadIntoTheirSpeedField()
    {
        QDialog& physics = program().open(Window::CustPhys);
        QLineEdit* swimSpeed = test::child<QLineEdit>(physics, "Text2(10)");
        test::click(physics, "Command1(10)");
        QCOMPARE(QApplication::focusWidget(), swimSpeed);
        QCOMPARE(test::child<QLineEdit>(physics, "Text2(1)")->toolTip(), QStringLiteral("-1456 in decimal"));

        swimSpeed->selectAll();
        QTest::keyClicks(swimSpeed, "0C8");
        test::click(physics, "Command1(0)");
        QCoreApplication::processEvents();
        QCOMPARE(messages(), QStringList{"You must fill this field with four hexadecimal symbols!"});
        QCOMPARE(QApplication::focusWidget(), swimSpeed);
    }

    void theLightDisplayFollowsItsBar()
    {
        QDialog& lights = program().open(Window::CustLite);
        QLineEdit* display = test::child<QLineEdit>(lights, "Text4");
        test::child<QScrollBar>(lights, "HScroll4")->setValue(-1);
        QCOMPARE(display->text(), QStringLiteral("0"));
        QCOMPARE(display->palette().color(QPalette::Base), QColor(Qt::black));
        QCOMPARE(display->palette().color(QPalette::Text), QColor(Qt::white));
        test::child<QScrollBar>(lights, "HScroll4")->setValue(0);
        QCOMPARE(display->text(), QStringLiteral("0.0009..."));
        QCOMPARE(display->palette().color(QPalette::Text), QColor(Qt::black));
    }

    // The previews of the weapons and fonts windows; ticks are driven
    // directly, never by waiting on a timer.
    void theWeaponsPreviewRunsOnTheChosenRowAndStops()
    {
        auto& weapons = static_cast<CustWeapons&>(program().open(Window::CustWeapons));
        auto* flash = test::child<QLabel>(weapons, "Image2");

        // Revolver: flash 3 (10.8 ticks), rate 16 (59.2 ticks).
        test::child<QRadioButton>(weapons, "Option1(2)")->click();
        test::click(weapons, "Command10"); // a toggle: this finds the preview at rest
        QVERIFY(weapons.previewRunning());
        for (int tick = 1; tick <= 70; ++tick) {
            weapons.previewTick();
            QVERIFY2(flash->isVisible() == (tick <= 10 || tick > 60), qPrintable(QString::number(tick)));
        }

        // The main window's "defaults" puts the preview to rest.
        weapons.hide();
        test::click(program().mainWindow(), "Command9");
        QVERIFY(!weapons.previewRunning() && flash->isHidden());
        QCOMPARE(test::child<QPushButton>(weapons, "Command10")->accessibleName(), QStringLiteral("start preview"));
    }

    // The legend time and the ticks the test string shows for; 300, from a
    // file, fills the byte.
    void theFontsWindowShowsTheLegendForItsTime()
    {
        auto& fonts = static_cast<CustFonts&>(program().open(Window::CustFonts));
        auto* string = test::child<QLabel>(fonts, "Label19");
        const auto* timer = test::child<QTimer>(fonts, "Timer2");
        QVERIFY(string->isHidden() && !timer->isActive());
        for (const auto& [legendTime, ticksShown] : {std::pair{"3", 2}, {"150", 149}, {"1", 0}, {"300", 254}}) {
            settings().setText(settingId("LegendDispTime"), legendTime);
            test::click(fonts, "Command18");
            int shown = 0;
            for (int tick = 0; timer->isActive() && tick < 300; ++tick) {
                fonts.legendTick();
                shown += string->isVisible() ? 1 : 0;
            }
            QVERIFY2(shown == ticksShown && string->isHidden() && !timer->isActive(), legendTime);
        }
    }
};

} // namespace golv

QTEST_MAIN(golv::CustomizerWindowsTest)
#include "CustomizerWindowsTest.moc"
