#pragma once

#include "settings/Displays.h"
#include "settings/SettingDef.h"

#include <array>
#include <cstdint>

// The counting behind the windows' previews, kept apart from Qt so that a
// test can drive it tick by tick.
namespace golv {

class SettingsStore;

// The red, green and blue fields of a colour swatch.
using ColourFields = std::array<SettingId, 3>;

// A triple's fields read as numbers; an empty field is 0.
std::array<double, 3> numbersOf(const SettingsStore& settings, const ColourFields& fields);
// The same as a colour: each number rounded to a whole one within 0 to 255.
Rgb colourOf(const SettingsStore& settings, const ColourFields& fields);

// The bars window's poisoned health bar: every tick shows either the health
// bar's own colour or the sum of the health and poisoned colours, in turn.
class PoisonedPreview {
public:
    // healthSwatch is what the health main swatch shows now; the fields are
    // read as numbers for the sum.
    Rgb tick(Rgb healthSwatch, const std::array<double, 3>& healthMain, const std::array<double, 3>& poisoned);

private:
    std::uint8_t m_phase = 0;
};

// The weapons window's gunflash rhythm, one 10 ms tick at a time. The flash
// lasts "flash dur." × 3.6 ticks of a cycle of "rate" × 3.7 ticks, both as
// real numbers.
class GunflashPreview {
public:
    // Counts one tick and tells whether the gunflash shows after it.
    bool tick(double flashDuration, double rate);
    // Stopping the preview hides the flash; the counter goes on where it was
    // when the preview starts again.
    void hideFlash();

    int counter() const { return m_counter; }

private:
    int m_counter = 0;
    bool m_shown = false;
};

// The fonts window's legend test: the sample text stays up while the tick
// counter is below the legend time.
class LegendTest {
public:
    void start() { m_counter = 0; }
    // Counts one tick; true while the test string shows, false once it ends.
    bool tick(double legendTime);

private:
    static constexpr int kLongest = 255;
    int m_counter = 0;
};

} // namespace golv
