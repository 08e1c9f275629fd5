#include "ui/Previews.h"

#include "settings/SettingId.h"
#include "support/RowTable.h"
#include "support/StartedProgram.h"
#include "ui/CustBars.h"
#include "ui/CustFonts.h"
#include "ui/CustWeapons.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <tuple>

namespace golv {
namespace {

QList<int> range(int first, int last)
{
    QList<int> ticks;
    for (int tick = first; tick <= last; ++tick)
        ticks << tick;
    return ticks;
}

struct GunflashRow {
    const char* name;
    double flash;
    double rate;
    int ticks;
    QList<int> shown; // the ticks (1-based) on which the gunflash shows
    int counter;      // after the last tick
};

// clang-format off
const GunflashRow kGunflashRows[] = {
    {"pistols 3 and 9: ticks 1 to 10 lit, back to 0 on tick 34", 3, 9, 34, range(1, 10),                  0},
    {"the next cycle lights again from its first tick",           3, 9, 44, range(1, 10) + range(35, 44), 10},
    {"an empty rate resets every tick: always lit",               3, 0,  5, range(1, 5),                   0},
    {"an empty flash never lights",                               0, 9, 40, {},                            6},
    // 5 × 3.6 is exactly 18: the tick that equals the flash length goes dark.
    {"a whole flash length ends on its own tick",                 5, 9, 20, range(1, 17),                 20},
};
// clang-format on

} // namespace

// The previews' counting, tick by tick, and the windows that show it; ticks
// are driven directly, never by waiting on a timer.
class PreviewsTest : public QObject {
    Q_OBJECT

private slots:
    void gunflashRhythm_data() { test::addRows(kGunflashRows); }

    void gunflashRhythm()
    {
        const GunflashRow& row = test::fetchRow(kGunflashRows);
        GunflashPreview preview;
        QList<int> shown;
        for (int tick = 1; tick <= row.ticks; ++tick) {
            if (preview.tick(row.flash, row.rate))
                shown << tick;
        }
        QCOMPARE(shown, row.shown);
        QCOMPARE(preview.counter(), row.counter);
    }

    // Health colour, poisoned colour, and the sum every second tick shows.
    void poisonedBlink()
    {
        const std::tuple<QColor, QColor, QColor> rows[] = {
            {QColor(255, 0, 0), QColor(0, 255, 0), QColor(255, 255, 0)}, // the defaults: red, then yellow
            {QColor(255, 0, 0), QColor(10, 0, 0), QColor(255, 0, 0)},    // red overflows: poisoned green and blue
            {QColor(0, 200, 0), QColor(5, 100, 7), QColor(5, 200, 7)},   // green overflows: poisoned red and blue
            // Green overflows and is taken back; then blue does.
            {QColor(0, 200, 200), QColor(1, 100, 100), QColor(1, 200, 100)},
        };
        const auto channels = [](const QColor& colour) {
            return std::array<double, 3>{double(colour.red()), double(colour.green()), double(colour.blue())};
        };
        for (const auto& [health, poisoned, sum] : rows) {
            PoisonedPreview preview;
            for (const QColor& shown : {health, sum, health, sum})
                QCOMPARE(toQColor(preview.tick(toRgb(health), channels(health), channels(poisoned))), shown);
        }
    }

    void theWeaponsPreviewRunsOnTheChosenRowAndStops()
    {
        test::StartedProgram program;
        auto& weapons = static_cast<CustWeapons&>(program.open(Window::CustWeapons));
        auto* flash = test::child<QLabel>(weapons, "Image2");
        QVERIFY(!weapons.previewRunning());

        // Revolver: flash 3 (10.8 ticks), rate 16 (59.2 ticks).
        test::child<QRadioButton>(weapons, "Option1(2)")->click();
        test::click(weapons, "Command10");
        QVERIFY(weapons.previewRunning());
        QList<int> lit;
        for (int tick = 1; tick <= 70; ++tick) {
            weapons.previewTick();
            if (flash->isVisible())
                lit << tick;
        }
        QCOMPARE(lit, range(1, 10) + range(61, 70));

        // The main window's "defaults" puts the preview to rest.
        QVERIFY(flash->isVisible());
        weapons.hide();
        test::click(program.mainWindow(), "Command9");
        QVERIFY(!weapons.previewRunning());
        QVERIFY(flash->isHidden());
        QCOMPARE(test::child<QPushButton>(weapons, "Command10")->accessibleName(), QStringLiteral("start preview"));
    }

    void theBarsPreviewBlinksWithTheFields()
    {
        test::StartedProgram program;
        auto& bars = static_cast<CustBars&>(program.open(Window::CustBars));
        QVERIFY(test::child<QTimer>(bars, "Timer1")->isActive());
        Swatch* preview = test::swatchNamed(bars, "health bar poisoned swatch");
        bars.blinkPoisonedPreview();
        QCOMPARE(preview->colour(), QColor(255, 0, 0));
        bars.blinkPoisonedPreview();
        QCOMPARE(preview->colour(), QColor(255, 255, 0));
        program.session.settings.setText(settingId("HPoisonColourR"), "10");
        program.session.settings.setText(settingId("HPoisonColourG"), "0");
        bars.blinkPoisonedPreview();
        bars.blinkPoisonedPreview();
        QCOMPARE(preview->colour(), QColor(255, 0, 0));
    }

    // The legend time and the ticks the string shows for.
    void theLegendTestShowsItsStringForItsTime()
    {
        const std::pair<double, int> rows[] = {{150, 149}, {1, 0}, {300, 254}}; // 300, from a file, fills the byte
        for (const auto& [legendTime, ticksShown] : rows) {
            LegendTest legend;
            int shown = 0;
            while (legend.tick(legendTime))
                ++shown;
            QCOMPARE(shown, ticksShown);
        }
    }

    void theFontsWindowRunsTheLegendTestToItsEnd()
    {
        test::StartedProgram program;
        auto& fonts = static_cast<CustFonts&>(program.open(Window::CustFonts));
        auto* string = test::child<QLabel>(fonts, "Label19");
        const auto* timer = test::child<QTimer>(fonts, "Timer2");
        QVERIFY(string->isHidden() && !timer->isActive());
        program.session.settings.setText(settingId("LegendDispTime"), "3");
        test::click(fonts, "Command18");
        QList<bool> shown;
        for (int tick = 0; timer->isActive() && tick < 10; ++tick) {
            fonts.legendTick();
            shown << string->isVisible();
        }
        QCOMPARE(shown, QList<bool>({true, true, false}));
    }
};

} // namespace golv

QTEST_MAIN(golv::PreviewsTest)
#include "PreviewsTest.moc"
