// Any key and value through every category parser: a value is either put
// into its control within the control's range, or refused.

#include "config/Session.h"
#include "fuzz/FuzzSupport.h"
#include "settings/SettingId.h"
#include "support/RecordingInteraction.h"

namespace {

// Every control holds a value it can show.
void requireShowable(const golv::SettingsStore& settings)
{
    using golv::Conversion;
    using golv::fuzz::require;
    for (golv::SettingId id = 0; id < golv::kSettings.size(); ++id) {
        const golv::SettingDef& def = golv::kSettings[id];
        const int state = settings.state(id);
        if (def.conversion == Conversion::CheckState)
            require(state >= 0 && state <= 2, "a check box outside its three states");
        else if (def.conversion == Conversion::ScrollPosition)
            require(state >= def.low && state <= def.high, "a scroll bar outside its range");
        else if (def.conversion == Conversion::OptionIndex || def.conversion == Conversion::ListIndex)
            require(state >= -1 && state <= def.high, "a choice with no button or entry");
        else if (def.conversion == Conversion::ByteFlag)
            require(settings.flag(id) >= 0 && settings.flag(id) <= 255, "a byte flag beyond a byte");
    }
}

} // namespace

// Input: lines of "key=value"; the first byte picks the file version.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    golv::test::RecordingInteraction interaction;
    golv::Session session(interaction);
    const std::string_view version = data[0] % 2 == 0 ? "" : "0.673";
    for (const std::string& line : golv::fuzz::linesOf(data + 1, size - 1)) {
        const std::size_t equals = line.find('=');
        const std::string key = line.substr(0, equals);
        const std::string value = equals == std::string::npos ? std::string() : line.substr(equals + 1);
        for (const golv::Category category : golv::kAllCategories)
            (void)session.settings.parse(category, {key, value, golv::LineOrigin::Configuration, version});
    }
    requireShowable(session.settings);
    return 0;
}
