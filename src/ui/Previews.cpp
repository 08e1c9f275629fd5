#include "ui/Previews.h"

#include "codec/Numbers.h"
#include "settings/SettingsStore.h"

#include <algorithm>
#include <cmath>

namespace golv {
namespace {

std::uint8_t channel(double value) { return static_cast<std::uint8_t>(std::clamp(std::nearbyint(value), 0.0, 255.0)); }

Rgb toRgb(const std::array<double, 3>& values) { return {channel(values[0]), channel(values[1]), channel(values[2])}; }

} // namespace

std::array<double, 3> numbersOf(const SettingsStore& settings, const ColourFields& fields)
{
    std::array<double, 3> values{};
    for (std::size_t i = 0; i < fields.size(); ++i)
        values[i] = leadingNumber(settings.text(fields[i])).value_or(0);
    return values;
}

Rgb colourOf(const SettingsStore& settings, const ColourFields& fields) { return toRgb(numbersOf(settings, fields)); }

Rgb PoisonedPreview::tick(
    Rgb healthSwatch, const std::array<double, 3>& healthMain, const std::array<double, 3>& poisoned)
{
    if (m_phase == 0) {
        m_phase = 1;
        return healthSwatch;
    }
    m_phase = 0;
    std::array<double, 3> sum = {healthMain[0] + poisoned[0], poisoned[1] + healthMain[1], healthMain[2] + poisoned[2]};
    // An overflowing channel shows the health colour's own value and the
    // poisoned colour's other two; each test sees what the one before left.
    if (sum[0] > 255)
        sum = {healthMain[0], poisoned[1], poisoned[2]};
    if (sum[1] > 255)
        sum = {poisoned[0], healthMain[1], poisoned[2]};
    if (sum[2] > 255)
        sum = {poisoned[0], poisoned[1], healthMain[2]};
    return toRgb(sum);
}

bool GunflashPreview::tick(double flashDuration, double rate)
{
    const double flashLength = flashDuration * 3.6;
    const double period = rate * 3.7;
    ++m_counter;
    if (m_counter <= period)
        m_shown = false;
    if (m_counter <= flashLength)
        m_shown = true;
    if (m_counter == period || m_counter == flashLength)
        m_shown = false;
    if (m_counter > period)
        m_counter = 0;
    return m_shown;
}

void GunflashPreview::hideFlash() { m_shown = false; }

bool LegendTest::tick(double legendTime)
{
    ++m_counter;
    // The counter is a byte: a legend time from a file above 255 ends the
    // test when the counter is full instead of letting it wrap round.
    return legendTime > m_counter && m_counter < kLongest;
}

} // namespace golv
