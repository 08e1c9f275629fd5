#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace golv {

// The about box's credit lines, index 0 to 17. The last two are empty: 16
// shows as one dark cycle, 17 is passed over on the very tick that reaches it.
inline constexpr std::size_t kCreditLineCount = 18;
const std::array<std::string_view, kCreditLineCount>& creditLines();

// The about box's fading credit line, one timer tick at a time: each line
// fades in over 25 ticks, out over the next 25, and the next line takes its
// place in black on the 51st, so the whole list comes round every 17 lines.
class CreditCycle {
public:
    struct Step {
        int grey = 0; // the caption's colour is (grey, grey, grey)
        std::string_view caption;
    };

    static constexpr int kBrightnessStep = 10;
    static constexpr int kBrightnessEnd = 510;

    Step tick()
    {
        m_brightness += kBrightnessStep;
        // The counter moves in tens, so it never stops on 256, the one value
        // that would leave the colour as it was.
        const int grey = m_brightness < 256 ? m_brightness : kBrightnessEnd - m_brightness;
        if (m_brightness == kBrightnessEnd)
            ++m_lineIndex;
        std::string_view caption = creditLines()[m_lineIndex];
        if (m_lineIndex == kCreditLineCount - 1) {
            caption = {};
            m_lineIndex = 0;
        }
        if (m_brightness == kBrightnessEnd)
            m_brightness = 0;
        return {grey, caption};
    }

    // "close" rewinds the lines; the brightness starts at 0 only with a new box.
    void rewind() { m_lineIndex = 0; }

    int brightness() const { return m_brightness; }

private:
    int m_brightness = 0;
    std::uint8_t m_lineIndex = 0;
};

} // namespace golv
