#include "settings/SettingsStore.h"

#include "codec/AsciiCase.h"
#include "codec/Codec.h"
#include "codec/Numbers.h"
#include "settings/Rules.h"
#include "settings/SettingId.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <unordered_map>
#include <utility>

namespace golv {
namespace {

constexpr SettingId kXBowExplosiveFlag = settingId("XBowExplosiveFlag");
constexpr SettingId kGrenFlshFlag = settingId("GrenFlshFlag");
constexpr SettingId kMainMenuAlign = settingId("MainMenuAlign");
constexpr SettingId kBinocsRange = settingId("BinocsRange");

constexpr std::array<std::string_view, 3> kOwnAlignmentEntries = {"left", "center", "right"};

// The texts the alignment list has shown, with their positions.
constexpr std::pair<std::string_view, int> kOlderAlignmentTexts[]
    = {{"left", 0}, {"center", 1}, {"right", 2}, {"rite", 2}};

constexpr std::array<SettingId, 3> kCrossbowFlags
    = {settingId("XBowNormFlag"), settingId("XBowPoisonFlag"), kXBowExplosiveFlag};
constexpr std::array<std::string_view, 3> kCrossbowLetters = {"n", "p", "e"};
constexpr std::array<std::string_view, 5> kGrenadeLetters = {"n", "s", "f", "u", "x"};

bool contains(std::span<const SettingId> ids, SettingId id)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

// Lower-case key (and the older name of the ponytail setting) to row.
const std::unordered_map<std::string, SettingId>& keyIndex()
{
    static const std::unordered_map<std::string, SettingId> index = [] {
        std::unordered_map<std::string, SettingId> map;
        for (SettingId id = 0; id < kSettings.size(); ++id)
            map.emplace(toLowerAscii(kSettings[id].key), id);
        map.emplace("enabletwinponytail", settingId("PonytailMode"));
        return map;
    }();
    return index;
}

Status outOfRange(SettingId id, std::string_view value)
{
    return Status::failure(
        "The value \"" + std::string(value) + "\" is out of the range of " + std::string(kSettings[id].key) + ".");
}

// The value's leading number rounded into a 16-bit field, checked against
// [low, high]; the control takes nothing else.
std::optional<int> controlNumber(std::string_view value, int low, int high)
{
    const auto number = leadingNumber(value);
    const auto rounded = number ? roundToInt16(*number) : std::nullopt;
    if (!rounded || *rounded < low || *rounded > high)
        return std::nullopt;
    return *rounded;
}

} // namespace

SettingsStore::SettingsStore()
    : m_values(kSettings.size()), m_alignmentEntries{kOwnAlignmentEntries.begin(), kOwnAlignmentEntries.end()},
      m_binocularEntries{"00", "05", "10", "20", "25", "30", "40", "50", "60", "70", "80", "90"}
{
    for (SettingId id = 0; id < kSettings.size(); ++id) {
        const SettingDef& def = kSettings[id];
        SettingValue& value = m_values[id];
        switch (kindOf(def.conversion)) {
        case ControlKind::Text:
            value.text = std::string(def.initial);
            break;
        case ControlKind::List:
            if (def.conversion == Conversion::ListText) {
                value.text = std::string(def.initial);
                break;
            }
            [[fallthrough]];
        default:
            value.number = leadingNumber(def.initial).value_or(0);
            break;
        }
    }
}

int SettingsStore::state(SettingId id) const { return static_cast<int>(m_values.at(id).number); }

std::string SettingsStore::text(SettingId id) const
{
    if (kSettings.at(id).conversion == Conversion::ListIndex) {
        const int index = state(id);
        const auto& entries = listEntries(id);
        return index >= 0 && index < static_cast<int>(entries.size()) ? entries[static_cast<std::size_t>(index)]
                                                                      : std::string();
    }
    return m_values.at(id).text;
}

double SettingsStore::flag(SettingId id) const { return m_values.at(id).number; }

void SettingsStore::setState(SettingId id, int state)
{
    const Step step(*this);
    SettingValue& value = m_values.at(id);
    if (value.number == state)
        return;
    record(id);
    value.number = state;
    runChangeRules(id);
    notify(id);
}

void SettingsStore::setText(SettingId id, std::string text)
{
    const Step step(*this);
    SettingValue& value = m_values.at(id);
    if (value.text == text)
        return;
    record(id);
    value.text = std::move(text);
    runChangeRules(id);
    notify(id);
}

void SettingsStore::setFlag(SettingId id, double number)
{
    const Step step(*this);
    SettingValue& value = m_values.at(id);
    if (value.number == number)
        return;
    record(id);
    value.number = number;
    notify(id);
}

void SettingsStore::load(const SettingValues& values)
{
    const Step step(*this);
    // The table's order, as a preset's: a box comes before the texts it
    // couples (kRules).
    for (SettingId id = 0; id < kSettings.size(); ++id) {
        switch (kindOf(kSettings[id].conversion)) {
        case ControlKind::Text:
            setText(id, values[id].text);
            break;
        case ControlKind::Flag:
            setFlag(id, values[id].number);
            break;
        case ControlKind::List:
            if (kSettings[id].conversion == Conversion::ListText) {
                setText(id, values[id].text);
                break;
            }
            [[fallthrough]];
        default:
            setState(id, static_cast<int>(values[id].number));
            break;
        }
    }
}

void SettingsStore::beginStep()
{
    if (m_stepDepth++ == 0) {
        m_stepStarted = false;
        m_typing.reset();
    }
}

void SettingsStore::endStep() { --m_stepDepth; }

void SettingsStore::typeText(SettingId id, std::string text)
{
    const bool goesOn = m_typing == id && m_stepDepth == 0 && !m_undo.empty();
    const Step step(*this);
    if (goesOn)
        m_stepStarted = true; // the field's step so far takes this edit too
    m_typing = id;
    setText(id, std::move(text));
}

void SettingsStore::closeStep() { m_typing.reset(); }

void SettingsStore::forgetHistory()
{
    m_undo.clear();
    m_redo.clear();
    m_typing.reset();
}

void SettingsStore::record(SettingId id)
{
    if (m_travelling)
        return;
    if (!m_stepStarted) {
        // Far more steps than anyone undoes; the oldest go.
        constexpr std::size_t kLongestHistory = 1000;
        if (m_undo.size() == kLongestHistory)
            m_undo.erase(m_undo.begin());
        m_undo.emplace_back();
        m_redo.clear();
        m_stepStarted = true;
    }
    std::vector<Change>& changes = m_undo.back();
    if (std::none_of(changes.begin(), changes.end(), [id](const Change& change) { return change.first == id; }))
        changes.emplace_back(id, m_values.at(id));
}

bool SettingsStore::undo() { return travel(m_undo, m_redo); }

bool SettingsStore::redo() { return travel(m_redo, m_undo); }

bool SettingsStore::travel(History& from, History& to)
{
    m_typing.reset();
    if (from.empty())
        return false;
    std::vector<Change> changes = std::move(from.back());
    from.pop_back();
    // The values as they stand become the way back; the rules' own changes
    // are in the step, so the values are put back as they were, not re-run.
    std::vector<Change> back;
    for (auto change = changes.rbegin(); change != changes.rend(); ++change) {
        back.emplace_back(change->first, m_values.at(change->first));
        m_values.at(change->first) = std::move(change->second);
    }
    std::reverse(back.begin(), back.end());
    to.push_back(std::move(back));
    // Observers only show the values; a change one of them made now would
    // not belong to any step.
    m_travelling = true;
    for (const Change& change : to.back()) {
        notifyDependents(change.first);
        notify(change.first);
    }
    m_travelling = false;
    return true;
}

bool SettingsStore::isEnabled(SettingId id) const
{
    for (const Rule& rule : kRules) {
        if (rule.target == id && rule.kind != Rule::Kind::Couples)
            return (state(rule.box) == 1) == (rule.kind == Rule::Kind::Enables);
    }
    return true;
}

void SettingsStore::notifyDependents(SettingId id)
{
    // The enabling rules need no action of their own: isEnabled follows the
    // values; the dependents only have to be told.
    for (const Rule& rule : kRules) {
        if (rule.box == id && rule.kind != Rule::Kind::Couples)
            notify(rule.target);
    }
}

void SettingsStore::runChangeRules(SettingId id)
{
    notifyDependents(id);
    for (const Rule& rule : kRules) {
        if (rule.kind != Rule::Kind::Couples || state(rule.box) != 0)
            continue;
        if (id == rule.target || id == rule.box)
            setText(*rule.partner, m_values[rule.target].text);
        else if (id == *rule.partner)
            setText(rule.target, m_values[*rule.partner].text);
    }
}

void SettingsStore::runFollowUp(SettingId id)
{
    // A byte flag outside its letters is taken back to 1, "n".
    if (id == kXBowExplosiveFlag && (flag(id) < 2 || flag(id) > 3))
        setFlag(id, 1);
    if (id == kGrenFlshFlag && (flag(id) < 2 || flag(id) > 5))
        setFlag(id, 1);
}

ParsedLine SettingsStore::parse(Category category, const SettingLine& line)
{
    ParsedLine parsed;
    const auto& index = keyIndex();
    const auto found = index.find(std::string(line.key));
    if (found == index.end() || kSettings[found->second].category != category)
        return parsed;
    parsed.status = apply(found->second, line, parsed.warnings);
    if (parsed.status)
        runFollowUp(found->second);
    return parsed;
}

Status SettingsStore::apply(SettingId id, const SettingLine& line, std::vector<std::string>& warnings)
{
    const SettingDef& def = kSettings[id];
    const std::string_view value = line.value;
    // A value of an older file, with what its conversion had to say.
    auto converted = [&warnings](Converted<std::string> legacy) {
        warnings.insert(warnings.end(), legacy.warnings.begin(), legacy.warnings.end());
        return std::move(legacy.value);
    };
    switch (def.conversion) {
    case Conversion::LegacyHex:
        setText(id, converted(LegacyHexValue(value, line.version)));
        return Status::ok();
    case Conversion::DigitText:
        // The secrets count is written as its characters: "07" writes other
        // bytes than "7", so a value the field could hold keeps its spelling.
        if (!value.empty() && value.size() <= def.maxLength
            && std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            setText(id, std::string(value));
            return Status::ok();
        }
        [[fallthrough]];
    case Conversion::Number: {
        const auto number = leadingNumber(value);
        if (!number)
            return outOfRange(id, value);
        setText(id, formatNumber(*number));
        return Status::ok();
    }
    case Conversion::Plain:
        setText(id, std::string(value));
        return Status::ok();
    case Conversion::SignedByte:
    case Conversion::SignedWord: {
        const std::string legacy
            = converted(def.conversion == Conversion::SignedByte ? LegacyHexSByte(value, line.version)
                                                                 : LegacyHexSWord(value, line.version));
        const auto negated = LegacyNegValue(legacy, line.version);
        if (!negated)
            return Status::failure(
                "The value \"" + std::string(value) + "\" of " + std::string(def.key) + " is not a number.");
        setText(id, *negated);
        return Status::ok();
    }
    case Conversion::ListIndex:
        if (const auto position = alignmentPosition(value)) {
            setState(id, *position);
            return Status::ok();
        }
        [[fallthrough]];
    case Conversion::CheckState:
    case Conversion::ScrollPosition:
    case Conversion::OptionIndex: {
        int low = def.low;
        int high = def.high;
        if (def.conversion == Conversion::CheckState) {
            low = 0;
            high = 2;
        } else if (def.conversion == Conversion::OptionIndex) {
            low = 0;
        }
        const auto number = controlNumber(value, low, high);
        if (!number)
            return outOfRange(id, value);
        setState(id, *number);
        return Status::ok();
    }
    case Conversion::ListText: {
        const auto number = leadingNumber(value);
        if (!number)
            return outOfRange(id, value);
        // A number takes the list's own spelling where an entry has it ("05",
        // not "5"), so a saved list text loads back as the same entry. A text
        // without one (a blank line) chooses no entry and writes nothing; it
        // is kept empty rather than as "0", which would load back as "00".
        std::string text;
        if (startsWithNumber(value)) {
            text = formatNumber(*number);
            for (const std::string& entry : listEntries(id)) {
                if (leadingNumber(entry) == *number)
                    text = entry;
            }
        }
        setText(id, std::move(text));
        return Status::ok();
    }
    case Conversion::VariantFlag: {
        const auto number = leadingNumber(value);
        if (!number || (line.origin == LineOrigin::Preset && !isBehaviour(id, *number)))
            return outOfRange(id, value);
        setFlag(id, *number);
        return Status::ok();
    }
    case Conversion::ByteFlag: {
        const auto number = leadingNumber(value);
        const auto byte = number ? roundToByte(*number) : std::nullopt;
        if (!byte)
            return outOfRange(id, value);
        setFlag(id, *byte);
        return Status::ok();
    }
    }
    return Status::ok();
}

std::optional<DisplayRow> SettingsStore::display(SettingId id) const { return displayOf(id, state(id)); }

bool SettingsStore::rangeWarningShown() const
{
    const auto drawing = display(settingId("DrawingDistanceRange"));
    const auto fog = display(settingId("DistantFogRange"));
    if (!drawing || !fog)
        return false;
    return leadingNumber(drawing->text).value_or(0) < leadingNumber(fog->text).value_or(0);
}

bool SettingsStore::isBehaviour(SettingId id, double value)
{
    const SettingDef& def = kSettings[id];
    return value >= def.low && value <= def.high && value == std::floor(value);
}

std::string_view SettingsStore::flagLetter(SettingId id) const
{
    const std::span<const std::string_view> letters = contains(kCrossbowFlags, id)
        ? std::span<const std::string_view>(kCrossbowLetters)
        : std::span<const std::string_view>(kGrenadeLetters);
    const double value = flag(id);
    if (isBehaviour(id, value))
        return letters[static_cast<std::size_t>(value) - 1];
    return "?"; // a value no behaviour letter stands for
}

void SettingsStore::advanceFlag(SettingId id)
{
    const double value = flag(id);
    // A flag that holds no behaviour's number is left as it is.
    if (!isBehaviour(id, value))
        return;
    setFlag(id, value == kSettings[id].high ? kSettings[id].low : value + 1);
}

const std::vector<std::string>& SettingsStore::listEntries(SettingId id) const
{
    if (id == kBinocsRange)
        return m_binocularEntries;
    return m_alignmentEntries;
}

std::optional<int> SettingsStore::alignmentPosition(std::string_view value) const
{
    // A number is the position itself, as GOLV writes it.
    if (strictNumber(value))
        return std::nullopt;
    // Older files hold the text the list showed: a caption of a language
    // file, the list's own spelling, or the spelling the menu patch once
    // compared with.
    for (std::size_t i = 0; i < m_alignmentCaptions.size(); ++i) {
        if (!value.empty() && (value == m_alignmentCaptions[i] || value == m_alignmentEntries[i]))
            return static_cast<int>(i);
    }
    for (const auto& [text, position] : kOlderAlignmentTexts) {
        if (value == text)
            return position;
    }
    return std::nullopt;
}

void SettingsStore::setAlignmentCaptions(const std::array<std::string, 3>& captions) { m_alignmentCaptions = captions; }

void SettingsStore::showOwnAlignmentEntries()
{
    m_alignmentEntries.assign(kOwnAlignmentEntries.begin(), kOwnAlignmentEntries.end());
    notify(kMainMenuAlign);
}

void SettingsStore::showAlignmentCaptions()
{
    m_alignmentEntries.assign(m_alignmentCaptions.begin(), m_alignmentCaptions.end());
    notify(kMainMenuAlign);
}

int SettingsStore::addObserver(Observer observer)
{
    m_observers.emplace_back(m_nextObserver, std::move(observer));
    return m_nextObserver++;
}

void SettingsStore::removeObserver(int handle)
{
    std::erase_if(m_observers, [handle](const auto& entry) { return entry.first == handle; });
}

void SettingsStore::notify(SettingId id)
{
    // A copy: an observer may add or remove observers while it is told.
    const auto observers = m_observers;
    for (const auto& [handle, observer] : observers)
        observer(id);
}

} // namespace golv
