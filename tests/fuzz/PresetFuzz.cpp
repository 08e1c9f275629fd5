// Any preset file through the preset reader; when it loads, the preset saved
// from it must load back and save to the very same lines.

#include "config/CommonSection.h"
#include "config/DefaultConfig.h"
#include "config/Session.h"
#include "fuzz/FuzzSupport.h"
#include "presets/Presets.h"

namespace {

// A session as start-up leaves it with a language file read: every setting
// holds its configured default, and the alignment list shows the captions.
// (Without a language file the list's own "right" is no caption, so a preset
// leaves that choice out by design: no round trip to test there.)
void startUp(golv::Session& session)
{
    session.currentCategory = "all";
    golv::fuzz::require(golv::applyCommonSection(session, golv::defaultConfigLines()).isOk(), "the defaults load");
    session.settings.setAlignmentCaptions({"left", "center", "rite"});
    session.settings.showAlignmentCaptions();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    golv::fuzz::QuietInteraction interaction;
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
