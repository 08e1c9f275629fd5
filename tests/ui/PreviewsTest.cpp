#include "ui/Previews.h"

#include "settings/SettingId.h"
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
// The windows' previews; ticks are driven directly, never by waiting on a timer.
class PreviewsTest : public QObject {
    Q_OBJECT

private slots:
    void theWeaponsPreviewRunsOnTheChosenRowAndStops()
    {
        test::StartedProgram program;
        auto& weapons = static_cast<CustWeapons&>(program.open(Window::CustWeapons));
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
        test::click(program.mainWindow(), "Command9");
        QVERIFY(!weapons.previewRunning() && flash->isHidden());
        QCOMPARE(test::child<QPushButton>(weapons, "Command10")->accessibleName(), QStringLiteral("start preview"));
    }

    // The bars window's preview blinks between the health colour and its sum
    // with the poisoned colour, as the fields hold them.
    void theBarsPreviewBlinksPoisoned()
    {
        test::StartedProgram program;
        auto& bars = static_cast<CustBars&>(program.open(Window::CustBars));
        QVERIFY(test::child<QTimer>(bars, "Timer1")->isActive());
        Swatch* preview = test::swatchNamed(bars, "health bar poisoned swatch");
        const auto set = [&](const std::string& colour, const QColor& value) {
            for (const auto& [channel, number] :
                {std::pair{"R", value.red()}, {"G", value.green()}, {"B", value.blue()}})
                program.session.settings.setText(*findSetting(colour + channel), std::to_string(number));
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

    // The legend time and the ticks the test string shows for; 300, from a
    // file, fills the byte.
    void theFontsWindowShowsTheLegendForItsTime()
    {
        test::StartedProgram program;
        auto& fonts = static_cast<CustFonts&>(program.open(Window::CustFonts));
        auto* string = test::child<QLabel>(fonts, "Label19");
        const auto* timer = test::child<QTimer>(fonts, "Timer2");
        QVERIFY(string->isHidden() && !timer->isActive());
        for (const auto& [legendTime, ticksShown] : {std::pair{"3", 2}, {"150", 149}, {"1", 0}, {"300", 254}}) {
            program.session.settings.setText(settingId("LegendDispTime"), legendTime);
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

QTEST_MAIN(golv::PreviewsTest)
#include "PreviewsTest.moc"
