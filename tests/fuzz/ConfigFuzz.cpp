// golv.cfg as anyone may have edited it, through the readers and a planned
// patch run: nothing may crash or hang, and no planned write may reach
// outside the executable.

#include "config/CommonSection.h"
#include "config/Session.h"
#include "config/SplitKeyValue.h"
#include "config/VersionSection.h"
#include "fuzz/FuzzSupport.h"
#include "patcher/ModifyExe.h"
#include "support/RecordingInteraction.h"

namespace {

constexpr std::int64_t kExecutableSize = 1 << 20;

// The pattern of the first version section, so that the input decides which
// section matches.
std::string firstPattern(const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        if (golv::toLowerAscii(line.substr(0, 9)) == "[version ")
            return line.substr(9, line.find(';') - 9); // without a ";" (npos), the rest
    return {};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string> lines = golv::fuzz::linesOf(data, size);
    golv::test::RecordingInteraction interaction;
    golv::Session session(interaction);
    session.configPath = "golv.cfg";
    if (!golv::applyCommonSection(session, golv::kAllCategories, lines))
        return 0;
    session.versionHex = firstPattern(lines);
    if (!golv::applyVersionSections(session, lines))
        return 0;
    session.settings.setAlignmentCaptions({"left", "center", "rite"});

    const std::size_t messagesBefore = interaction.messages.size();
    const golv::PatchPlan plan = golv::planPatchRun(session, kExecutableSize);
    golv::fuzz::require(interaction.messages.size() == messagesBefore, "a planned run showed a message");
    for (const golv::PatchWrite& write : plan.writes) {
        golv::fuzz::require(write.position >= 1, "a planned write before the start of the executable");
        golv::fuzz::require(write.position - 1 + static_cast<std::int64_t>(write.bytes.size()) <= kExecutableSize,
            "a planned write past the end of the executable");
    }
    return 0;
}
