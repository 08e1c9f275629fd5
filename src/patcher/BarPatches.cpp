#include "patcher/PatchGroups.h"

#include "config/VersionTables.h"
#include "patcher/PatchWriter.h"
#include "settings/SettingId.h"

#include <cstddef>
#include <string_view>

namespace golv {
namespace {

// Written over the first five bytes of a bar's drawing code: a return and four
// no-operations, so the bar is never drawn.
constexpr std::string_view kHideBar = "C390909090";

} // namespace

void patchBars(PatchWriter& writer)
{
    // The engine keeps the bar colours blue first, one byte per component at
    // increasing positions (the fonts are stored the other way round).
    const auto blueGreenRed = [&](int slot, int displacement, SettingId blue, SettingId green, SettingId red) {
        writer.byte(slot, displacement, blue);
        writer.byte(slot, displacement + 1, green);
        writer.byte(slot, displacement + 2, red);
    };
    // Every switch of the bars window is an else-test: anything but checked,
    // the greyed state included, puts the engine's own bytes back.
    const auto animation = [&](SettingId box, int slot, std::size_t animated, std::size_t plain) {
        writer.dataEntry(slot, 0, writer.state(box) == 1 ? animated : plain, box);
    };
    const auto hiding = [&](SettingId box, int slot, int displacement, std::size_t drawingCode) {
        if (writer.state(box) == 1)
            writer.hex(slot, displacement, kHideBar, box);
        else
            writer.dataEntry(slot, displacement, drawingCode, box);
    };

    constexpr int kSprint = offsetSlot("SBarOffset");
    blueGreenRed(kSprint, 0, settingId("SMainColourB"), settingId("SMainColourG"), settingId("SMainColourR"));
    blueGreenRed(kSprint, 5, settingId("SFadeColourB"), settingId("SFadeColourG"), settingId("SFadeColourR"));
    writer.byte(kSprint, 19, settingId("SHeight"));
    writer.word(kSprint, 21, settingId("SWidth"));
    writer.word(offsetSlot("SBarXOffset"), 0, settingId("SLeft"));
    animation(settingId("SAnim"), offsetSlot("SBarAnimOffset"), engineDataIndex("SBarAnimModData"),
        engineDataIndex("SBarAnimDefData"));
    hiding(settingId("SHide"), kSprint, -19, engineDataIndex("SBarData"));

    constexpr int kAir = offsetSlot("ABarOffset");
    blueGreenRed(kAir, 0, settingId("AMainColourB"), settingId("AMainColourG"), settingId("AMainColourR"));
    blueGreenRed(kAir, 8, settingId("AFadeColourB"), settingId("AFadeColourG"), settingId("AFadeColourR"));
    writer.byte(kAir, 16, settingId("AHeight"));
    writer.word(kAir, 20, settingId("AWidth"));
    writer.word(offsetSlot("ABarXOffset"), 0, settingId("ALeft"));
    animation(settingId("AAnim"), offsetSlot("ABarAnimOffset"), engineDataIndex("ABarAnimModData"),
        engineDataIndex("ABarAnimDefData"));
    hiding(settingId("AHide"), kAir, -21, engineDataIndex("ABarData"));

    // The health bar has no position of its own, but a poisoned colour just before its main colour.
    constexpr int kHealth = offsetSlot("HBarOffset");
    blueGreenRed(kHealth, 0, settingId("HMainColourB"), settingId("HMainColourG"), settingId("HMainColourR"));
    blueGreenRed(kHealth, 10, settingId("HFadeColourB"), settingId("HFadeColourG"), settingId("HFadeColourR"));
    blueGreenRed(kHealth, -5, settingId("HPoisonColourB"), settingId("HPoisonColourG"), settingId("HPoisonColourR"));
    writer.byte(kHealth, 19, settingId("HHeight"));
    writer.word(kHealth, 21, settingId("HWidth"));
    animation(settingId("HAnim"), offsetSlot("HBarAnimOffset"), engineDataIndex("HBarAnimModData"),
        engineDataIndex("HBarAnimDefData"));
    hiding(settingId("HHide"), kHealth, -32, engineDataIndex("HBarData"));

    // The loading bar cannot be animated, and the engine keeps its position in a single byte.
    constexpr int kLoading = offsetSlot("LBarOffset");
    blueGreenRed(kLoading, 0, settingId("LMainColourB"), settingId("LMainColourG"), settingId("LMainColourR"));
    blueGreenRed(kLoading, 5, settingId("LFadeColourB"), settingId("LFadeColourG"), settingId("LFadeColourR"));
    writer.byte(kLoading, 53, settingId("LHeight"));
    writer.word(kLoading, 57, settingId("LWidth"));
    writer.byte(offsetSlot("LBarXOffset"), 0, settingId("LLeft"));
    hiding(settingId("LHide"), kLoading, -90, engineDataIndex("LBarData"));

    // The volume bars and the overlay take each colour as one 3-byte value, still blue first.
    writer.colour(offsetSlot("MusBarMainOffset"), 0,
        {settingId("MusBarMainColourB"), settingId("MusBarMainColourG"), settingId("MusBarMainColourR")});
    writer.colour(offsetSlot("MusBarFadeOffset"), 0,
        {settingId("MusBarFadeColourB"), settingId("MusBarFadeColourG"), settingId("MusBarFadeColourR")});
    writer.colour(offsetSlot("MusBarABOOffset"), 0,
        {settingId("MusBarABOColourB"), settingId("MusBarABOColourG"), settingId("MusBarABOColourR")});
    writer.colour(offsetSlot("SndBarMainOffset"), 0,
        {settingId("SndBarMainColourB"), settingId("SndBarMainColourG"), settingId("SndBarMainColourR")});
    writer.colour(offsetSlot("SndBarFadeOffset"), 0,
        {settingId("SndBarFadeColourB"), settingId("SndBarFadeColourG"), settingId("SndBarFadeColourR")});
    writer.colour(offsetSlot("SndBarABOOffset"), 0,
        {settingId("SndBarABOColourB"), settingId("SndBarABOColourG"), settingId("SndBarABOColourR")});
    writer.colour(
        offsetSlot("PBOOffset"), 0, {settingId("PBOColourB"), settingId("PBOColourG"), settingId("PBOColourR")});
}

} // namespace golv
