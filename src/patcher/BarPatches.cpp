#include "patcher/PatchGroups.h"

#include <array>

namespace golv {
namespace {

using namespace writes;

// Written over the first five bytes of a bar's drawing code: a return and four
// no-operations, so the bar is never drawn.
constexpr std::string_view kHideBar = "C390909090";

// clang-format off
// The engine keeps the bar colours blue first, one byte per component at
// increasing positions (the fonts are stored the other way round). Every
// switch of the bars window is an else-test: anything but checked, the greyed
// state included, puts the engine's own bytes back.
constexpr auto kRows = std::to_array<WriteRow>({
    put("SBarOffset",      0, {byte("SMainColourB")}),
    put("SBarOffset",      1, {byte("SMainColourG")}),
    put("SBarOffset",      2, {byte("SMainColourR")}),
    put("SBarOffset",      5, {byte("SFadeColourB")}),
    put("SBarOffset",      6, {byte("SFadeColourG")}),
    put("SBarOffset",      7, {byte("SFadeColourR")}),
    put("SBarOffset",     19, {byte("SHeight")}),
    put("SBarOffset",     21, {word("SWidth")}),
    put("SBarXOffset",     0, {word("SLeft")}),
    put("SBarAnimOffset",  0, {data("SBarAnimModData")}, {is("SAnim", 1)}),
    put("SBarAnimOffset",  0, {data("SBarAnimDefData")}, {isNot("SAnim", 1)}),
    put("SBarOffset",    -19, {literal(kHideBar)},       {is("SHide", 1)}),
    put("SBarOffset",    -19, {data("SBarData")},        {isNot("SHide", 1)}),

    put("ABarOffset",      0, {byte("AMainColourB")}),
    put("ABarOffset",      1, {byte("AMainColourG")}),
    put("ABarOffset",      2, {byte("AMainColourR")}),
    put("ABarOffset",      8, {byte("AFadeColourB")}),
    put("ABarOffset",      9, {byte("AFadeColourG")}),
    put("ABarOffset",     10, {byte("AFadeColourR")}),
    put("ABarOffset",     16, {byte("AHeight")}),
    put("ABarOffset",     20, {word("AWidth")}),
    put("ABarXOffset",     0, {word("ALeft")}),
    put("ABarAnimOffset",  0, {data("ABarAnimModData")}, {is("AAnim", 1)}),
    put("ABarAnimOffset",  0, {data("ABarAnimDefData")}, {isNot("AAnim", 1)}),
    put("ABarOffset",    -21, {literal(kHideBar)},       {is("AHide", 1)}),
    put("ABarOffset",    -21, {data("ABarData")},        {isNot("AHide", 1)}),

    // The health bar has no position of its own, but a poisoned colour just
    // before its main colour.
    put("HBarOffset",      0, {byte("HMainColourB")}),
    put("HBarOffset",      1, {byte("HMainColourG")}),
    put("HBarOffset",      2, {byte("HMainColourR")}),
    put("HBarOffset",     10, {byte("HFadeColourB")}),
    put("HBarOffset",     11, {byte("HFadeColourG")}),
    put("HBarOffset",     12, {byte("HFadeColourR")}),
    put("HBarOffset",     -5, {byte("HPoisonColourB")}),
    put("HBarOffset",     -4, {byte("HPoisonColourG")}),
    put("HBarOffset",     -3, {byte("HPoisonColourR")}),
    put("HBarOffset",     19, {byte("HHeight")}),
    put("HBarOffset",     21, {word("HWidth")}),
    put("HBarAnimOffset",  0, {data("HBarAnimModData")}, {is("HAnim", 1)}),
    put("HBarAnimOffset",  0, {data("HBarAnimDefData")}, {isNot("HAnim", 1)}),
    put("HBarOffset",    -32, {literal(kHideBar)},       {is("HHide", 1)}),
    put("HBarOffset",    -32, {data("HBarData")},        {isNot("HHide", 1)}),

    // The loading bar cannot be animated, and the engine keeps its position
    // in a single byte.
    put("LBarOffset",      0, {byte("LMainColourB")}),
    put("LBarOffset",      1, {byte("LMainColourG")}),
    put("LBarOffset",      2, {byte("LMainColourR")}),
    put("LBarOffset",      5, {byte("LFadeColourB")}),
    put("LBarOffset",      6, {byte("LFadeColourG")}),
    put("LBarOffset",      7, {byte("LFadeColourR")}),
    put("LBarOffset",     53, {byte("LHeight")}),
    put("LBarOffset",     57, {word("LWidth")}),
    put("LBarXOffset",     0, {byte("LLeft")}),
    put("LBarOffset",    -90, {literal(kHideBar)},       {is("LHide", 1)}),
    put("LBarOffset",    -90, {data("LBarData")},        {isNot("LHide", 1)}),

    // The volume bars and the overlay take each colour as one 3-byte value,
    // still blue first.
    put("MusBarMainOffset", 0, {byte("MusBarMainColourB"), byte("MusBarMainColourG"), byte("MusBarMainColourR")}),
    put("MusBarFadeOffset", 0, {byte("MusBarFadeColourB"), byte("MusBarFadeColourG"), byte("MusBarFadeColourR")}),
    put("MusBarABOOffset",  0, {byte("MusBarABOColourB"),  byte("MusBarABOColourG"),  byte("MusBarABOColourR")}),
    put("SndBarMainOffset", 0, {byte("SndBarMainColourB"), byte("SndBarMainColourG"), byte("SndBarMainColourR")}),
    put("SndBarFadeOffset", 0, {byte("SndBarFadeColourB"), byte("SndBarFadeColourG"), byte("SndBarFadeColourR")}),
    put("SndBarABOOffset",  0, {byte("SndBarABOColourB"),  byte("SndBarABOColourG"),  byte("SndBarABOColourR")}),
    put("PBOOffset",        0, {byte("PBOColourB"),        byte("PBOColourG"),        byte("PBOColourR")}),
});
// clang-format on

} // namespace

std::span<const WriteRow> barWrites() { return kRows; }

} // namespace golv
