#include "ui/Previews.h"

#include "config/SettingId.h"
#include "support/StartedProgram.h"
#include "ui/CustBars.h"
#include "ui/CustFonts.h"
#include "ui/CustWeapons.h"
#include "ui/Swatch.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

namespace golv {
namespace {

// The ticks (1-based) on which the gunflash shows, over `ticks` ticks, and
// the counter after the last.
std::pair<QList<int>, int> flashTicks(double flash, double rate, int ticks)
{
    GunflashPreview preview;
    QList<int> shown;
    for (int tick = 1; tick <= ticks; ++tick) {
        if (preview.tick(flash, rate))
            shown << tick;
    }
    return {shown, preview.counter()};
}

QList<int> range(int first, int last)
{
    QList<int> ticks;
    for (int tick = first; tick <= last; ++tick)
        ticks << tick;
    return ticks;
}

} // namespace

// The previews' counting, tick by tick, and the windows that show it; ticks
// are driven directly, never by waiting on a timer.
class PreviewsTest : public QObject {
    Q_OBJECT

private slots:
    void gunflashRhythm_data()
    {
        QTest::addColumn<double>("flash");
        QTest::addColumn<double>("rate");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QList<int>>("shown");
        QTest::addColumn<int>("counter");
        QTest::newRow("pistols 3 and 9: ticks 1 to 10 lit, back to 0 on tick 34")
            << 3.0 << 9.0 << 34 << range(1, 10) << 0;
        QTest::newRow("the next cycle lights again from its first tick")
            << 3.0 << 9.0 << 44 << (range(1, 10) + range(35, 44)) << 10;
        QTest::newRow("an empty rate resets every tick: always lit") << 3.0 << 0.0 << 5 << range(1, 5) << 0;
        QTest::newRow("an empty flash never lights") << 0.0 << 9.0 << 40 << QList<int>{} << 6;
        // 5 × 3.6 is exactly 18: the tick that equals the flash length goes dark.
        QTest::newRow("a whole flash length ends on its own tick") << 5.0 << 9.0 << 20 << range(1, 17) << 20;
    }

    void gunflashRhythm()
    {
        QFETCH(double, flash);
        QFETCH(double, rate);
        QFETCH(int, ticks);
        QFETCH(QList<int>, shown);
        QFETCH(int, counter);
        const auto [lit, finalCounter] = flashTicks(flash, rate, ticks);
        QCOMPARE(lit, shown);
        QCOMPARE(finalCounter, counter);
    }

    void poisonedBlink_data()
    {
        QTest::addColumn<QColor>("health");
        QTest::addColumn<QColor>("poisoned");
        QTest::addColumn<QColor>("sum");
        QTest::newRow("defaults: red, then yellow") << QColor(255, 0, 0) << QColor(0, 255, 0) << QColor(255, 255, 0);
        QTest::newRow("red overflows: health red with poisoned green and blue")
            << QColor(255, 0, 0) << QColor(10, 0, 0) << QColor(255, 0, 0);
        QTest::newRow("green overflows: poisoned red and blue")
            << QColor(0, 200, 0) << QColor(5, 100, 7) << QColor(5, 200, 7);
        QTest::newRow("blue overflows: poisoned red and green")
            << QColor(0, 0, 200) << QColor(1, 2, 100) << QColor(1, 2, 200);
        QTest::newRow("after green was taken back, blue is the poisoned one")
            << QColor(0, 200, 200) << QColor(1, 100, 100) << QColor(1, 200, 100);
        QTest::newRow("no overflow adds up") << QColor(10, 20, 30) << QColor(1, 2, 3) << QColor(11, 22, 33);
    }

    void poisonedBlink()
    {
        QFETCH(QColor, health);
        QFETCH(QColor, poisoned);
        QFETCH(QColor, sum);
        const std::array<double, 3> healthMain = {double(health.red()), double(health.green()), double(health.blue())};
        const std::array<double, 3> poison
            = {double(poisoned.red()), double(poisoned.green()), double(poisoned.blue())};
        PoisonedPreview preview;
        for (int cycle = 0; cycle < 2; ++cycle) {
            QCOMPARE(toQColor(preview.tick(toRgb(health), healthMain, poison)), health);
            QCOMPARE(toQColor(preview.tick(toRgb(health), healthMain, poison)), sum);
        }
    }

    void legendTestLength_data()
    {
        QTest::addColumn<double>("legendTime");
        QTest::addColumn<int>("ticksShown");
        QTest::newRow("the default 150 shows for 149 ticks") << 150.0 << 149;
        QTest::newRow("0 ends on the first tick") << 0.0 << 0;
        QTest::newRow("1 ends on the first tick too") << 1.0 << 0;
        QTest::newRow("a value from a file above 255 ends when the byte is full") << 300.0 << 254;
    }

    void legendTestLength()
    {
        QFETCH(double, legendTime);
        QFETCH(int, ticksShown);
        LegendTest test;
        test.start();
        int shown = 0;
        while (test.tick(legendTime)) {
            ++shown;
            QVERIFY(shown < 1000);
        }
        QCOMPARE(shown, ticksShown);
    }

    void theWeaponsPreviewRunsOnTheChosenRowAndStops()
    {
        test::StartedProgram program;
        auto& weapons = static_cast<CustWeapons&>(program.open(Window::CustWeapons));
        auto* flash = test::child<QLabel>(weapons, QStringLiteral("Image2"));
        QVERIFY(!weapons.previewRunning());
        QCOMPARE(test::child<QTimer>(weapons, QStringLiteral("Timer1"))->interval(), 10);

        // Revolver: flash 3 (10.8 ticks), rate 16 (59.2 ticks).
        test::child<QRadioButton>(weapons, QStringLiteral("Option1(2)"))->click();
        QTest::mouseClick(test::child<QPushButton>(weapons, QStringLiteral("Command10")), Qt::LeftButton);
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
        QTest::mouseClick(test::child<QPushButton>(program.mainWindow(), QStringLiteral("Command9")), Qt::LeftButton);
        QVERIFY(!weapons.previewRunning());
        QVERIFY(flash->isHidden());
        QCOMPARE(test::child<QPushButton>(weapons, QStringLiteral("Command10"))->accessibleName(),
            QStringLiteral("start preview"));
    }

    void theBarsPreviewBlinksWithTheFields()
    {
        test::StartedProgram program;
        auto& bars = static_cast<CustBars&>(program.open(Window::CustBars));
        QVERIFY(test::child<QTimer>(bars, QStringLiteral("Timer1"))->isActive());
        Swatch* preview = nullptr;
        for (Swatch* swatch : bars.findChildren<Swatch*>()) {
            if (swatch->accessibleName() == QStringLiteral("health bar poisoned swatch"))
                preview = swatch;
        }
        QVERIFY(preview != nullptr);
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

    void theLegendTestShowsItsString()
    {
        test::StartedProgram program;
        auto& fonts = static_cast<CustFonts&>(program.open(Window::CustFonts));
        auto* string = test::child<QLabel>(fonts, QStringLiteral("Label19"));
        auto* timer = test::child<QTimer>(fonts, QStringLiteral("Timer2"));
        QVERIFY(string->isHidden() && !timer->isActive());
        program.session.settings.setText(settingId("LegendDispTime"), "3");
        QTest::mouseClick(test::child<QPushButton>(fonts, QStringLiteral("Command18")), Qt::LeftButton);
        QVERIFY(timer->isActive());
        fonts.legendTick();
        fonts.legendTick();
        QVERIFY(string->isVisible());
        fonts.legendTick();
        QVERIFY(string->isHidden());
        QVERIFY(!timer->isActive());
    }
};

} // namespace golv

QTEST_MAIN(golv::PreviewsTest)
#include "PreviewsTest.moc"
