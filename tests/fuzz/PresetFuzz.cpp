// Any preset file through the preset reader; when it loads, the preset saved
// from it must load back and save to the very same lines.

#include "config/CommonSection.h"
#include "config/DefaultConfig.h"
#include "config/Session.h"
#include "fuzz/FuzzSupport.h"
#include "presets/Presets.h"
#include "support/RecordingInteraction.h"

namespace {

// A session as start-up leaves it: every setting holds its configured default.
void startUp(golv::Session& session)
{
    golv::fuzz::require(golv::applyCommonSection(session, golv::kAllCategories, golv::defaultConfigLines()).isOk(),
        "the defaults load");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    golv::test::RecordingInteraction interaction;
    golv::Session first(interaction);
    startUp(first);
    if (!golv::applyPreset(first, golv::fuzz::linesOf(data, size)))
        return 0;
    const std::vector<std::string> saved = golv::presetLines(first.settings);

    golv::Session second(interaction);
    startUp(second);
    golv::fuzz::require(golv::applyPreset(second, saved).isOk(), "a saved preset does not load");
    golv::fuzz::require(golv::presetLines(second.settings) == saved, "a saved preset loads back as another");
    return 0;
}
