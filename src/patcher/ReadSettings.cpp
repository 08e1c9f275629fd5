#include "patcher/ReadSettings.h"

#include "codec/Codec.h"
#include "codec/Numbers.h"
#include "config/Session.h"
#include "patcher/PatchGroups.h"
#include "settings/FieldValidation.h"
#include "settings/SettingId.h"

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <optional>
#include <set>

namespace golv {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Settings whose value picks between writes; the others are decoded from the
// bytes of their writes.
bool isChoice(SettingId id)
{
    const ControlKind kind = kindOf(kSettings[id].conversion);
    return kind != ControlKind::Text && kind != ControlKind::Flag;
}

std::string hexOf(std::span<const std::uint8_t> bytes)
{
    std::string text;
    for (const std::uint8_t byte : bytes) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02X", byte);
        text += digits;
    }
    return text;
}

// The texts whose encoding gives these bytes, read at the field's full width.
std::vector<std::string> decode(const Piece& piece, std::span<const std::uint8_t> bytes)
{
    using enum Piece::Encoding;
    const auto number = [&] {
        std::int64_t value = 0;
        for (std::size_t i = bytes.size(); i-- > 0;)
            value = value * 256 + bytes[i];
        return value;
    }();
    switch (piece.encoding) {
    case Byte:
    case ByteOf:
    case Word:
    case Flag:
        return {std::to_string(number)};
    case Count:
        if (number % piece.factor != 0)
            return {};
        return {std::to_string(number / piece.factor)};
    case HexText:
        return {hexOf(bytes)};
    case ReversedHex: {
        const Bytes reversed(bytes.rbegin(), bytes.rend());
        return {hexOf(reversed)};
    }
    case NegatedByte:
    case NegatedWord: {
        // The low byte or word of the negated value: two numbers give it.
        const std::int64_t whole = std::int64_t{1} << (8 * bytes.size());
        const std::int64_t value = (whole - number) % whole;
        return {std::to_string(value), std::to_string(value - whole)};
    }
    case Characters: {
        // A shorter text ends in the terminating zero written after it.
        const std::string all(bytes.begin(), bytes.end());
        const std::size_t end = all.find('\0');
        if (end == std::string::npos)
            return {all};
        return {all.substr(0, end)};
    }
    case None:
    case Literal:
    case Data:
    case Lookup:
        break;
    }
    return {};
}

std::size_t pieceLength(const Piece& piece, const EngineData& engineData)
{
    WriteRow alone;
    alone.pieces[0] = piece;
    return longestWrite(alone, engineData);
}

// Reads settings by trying values on the declared writes. Each row's bytes
// under the values being tried are kept, and the bytes a run would leave are
// looked up per byte of the executable read, so trying a value costs only the
// rows that read it.
class Reader {
public:
    Reader(Session& session, const ExecutableBytes& executable, const SettingValues& start);
    SettingsReading read();

private:
    struct Site {
        std::int64_t position = 0;
        std::optional<std::size_t> first; // none when the executable's bytes there were not read
        std::size_t length = 0;           // of the longest write, inside the file
    };
    // Settings read together, and the settings whose writes meet theirs,
    // which are tried again for every value of the unit.
    struct Unit {
        std::vector<SettingId> members;
        std::vector<SettingId> neighbours;
        std::vector<std::size_t> spots;
    };
    struct Trial {
        std::vector<SettingValue> values; // members, then neighbours
        std::size_t mismatches = 0;
        std::vector<int> bytes; // left at the spots; -1 where nothing is written
    };

    void evaluate(std::size_t row);
    void assign(SettingId id, const SettingValue& value);
    bool holds(const WriteRow& row) const;
    std::optional<std::uint8_t> finalByte(std::size_t at) const;
    // Whether a byte that the setting's writes leave survives the run.
    bool shows(SettingId id) const;
    std::size_t mismatches(const std::vector<std::size_t>& spots) const;
    std::vector<int> bytesAt(const std::vector<std::size_t>& spots) const;
    bool accepts(SettingId id, const SettingValue& value) const;
    std::vector<SettingValue> candidates(SettingId id) const;
    void settleNeighbour(SettingId id);
    bool settle(const Unit& unit);
    void descend();
    void makeUnits();
    std::vector<std::size_t> spotsOf(const std::vector<SettingId>& ids) const;
    std::vector<SettingId> settingsOf(const WriteRow& row) const;
    bool prove(SettingsReading& reading);

    Session& m_session;
    const ExecutableBytes& m_executable;
    const SettingValues& m_start;
    SettingValues m_values;
    PatchWriter m_writer;
    std::span<const WriteRow> m_rows;
    std::vector<Site> m_sites;
    std::vector<std::optional<Bytes>> m_out;
    std::vector<std::vector<std::size_t>> m_coverers; // by byte read: rows whose longest write covers it, in order
    std::vector<std::vector<std::size_t>> m_rowsOf;   // by setting: rows that test it or write its value
    std::vector<std::vector<std::size_t>> m_spots;    // by setting: the bytes its rows can write
    std::vector<Unit> m_units;
    std::vector<bool> m_fixed; // undetermined: kept at the start value
    std::vector<bool> m_kept;  // the bytes do not tell its value
};

Reader::Reader(Session& session, const ExecutableBytes& executable, const SettingValues& start)
    : m_session(session), m_executable(executable), m_start(start), m_values(start),
      m_writer(session.offsets, session.engineData, executable.fileSize()), m_rows(patchRunRows()),
      m_sites(m_rows.size()), m_out(m_rows.size()), m_coverers(executable.count()), m_rowsOf(kSettingCount),
      m_spots(kSettingCount), m_fixed(kSettingCount, false), m_kept(kSettingCount, false)
{
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        const WriteRow& row = m_rows[r];
        Site& site = m_sites[r];
        if (session.offsets[row.slot] != 0) {
            site.position = static_cast<std::int64_t>(session.offsets[row.slot]) + row.displacement;
            site.first = executable.index(site.position);
            const std::int64_t inFile = executable.fileSize() - site.position + 1;
            site.length = static_cast<std::size_t>(
                std::clamp<std::int64_t>(inFile, 0, static_cast<std::int64_t>(longestWrite(row, session.engineData))));
        }
        if (site.first) {
            for (std::size_t k = 0; k < site.length; ++k)
                m_coverers[*site.first + k].push_back(r);
        }
        for (const SettingId id : settingsOf(row))
            m_rowsOf[id].push_back(r);
        evaluate(r);
    }
    for (SettingId id = 0; id < kSettingCount; ++id)
        m_spots[id] = spotsOf({id});
    makeUnits();
}

std::vector<SettingId> Reader::settingsOf(const WriteRow& row) const
{
    std::vector<SettingId> ids;
    for (const Condition& condition : row.when) {
        if (condition.test != Condition::Test::Always)
            ids.push_back(condition.setting);
    }
    for (const Piece& piece : row.pieces) {
        if (piece.carriesValue() || piece.encoding == Piece::Encoding::Lookup)
            ids.push_back(piece.setting);
    }
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}

std::vector<std::size_t> Reader::spotsOf(const std::vector<SettingId>& ids) const
{
    std::vector<std::size_t> spots;
    for (const SettingId id : ids) {
        for (const std::size_t r : m_rowsOf[id]) {
            if (m_sites[r].first) {
                for (std::size_t k = 0; k < m_sites[r].length; ++k)
                    spots.push_back(*m_sites[r].first + k);
            }
        }
    }
    std::sort(spots.begin(), spots.end());
    spots.erase(std::unique(spots.begin(), spots.end()), spots.end());
    return spots;
}

void Reader::makeUnits()
{
    // A write that tests two switches reads them together (the save trigger
    // decides whether the disable-save box writes at all).
    std::vector<SettingId> group(kSettingCount);
    std::iota(group.begin(), group.end(), SettingId{0});
    const auto root = [&](SettingId id) {
        while (group[id] != id)
            id = group[id];
        return id;
    };
    for (const WriteRow& row : m_rows) {
        if (row.when[1].test != Condition::Test::Always && row.when[0].setting != row.when[1].setting)
            group[root(row.when[1].setting)] = root(row.when[0].setting);
    }
    std::vector<std::vector<SettingId>> members(kSettingCount);
    for (SettingId id = 0; id < kSettingCount; ++id) {
        if (!m_rowsOf[id].empty())
            members[isChoice(id) ? root(id) : id].push_back(id);
    }
    for (std::vector<SettingId>& ids : members) {
        if (ids.empty())
            continue;
        Unit unit;
        unit.members = ids;
        std::set<SettingId> near;
        for (const SettingId id : ids) {
            for (const std::size_t r : m_rowsOf[id])
                for (const SettingId other : settingsOf(m_rows[r]))
                    near.insert(other);
            for (const std::size_t at : m_spots[id])
                for (const std::size_t r : m_coverers[at])
                    for (const SettingId other : settingsOf(m_rows[r]))
                        near.insert(other);
        }
        for (const SettingId id : ids)
            near.erase(id);
        unit.neighbours.assign(near.begin(), near.end());
        std::vector<SettingId> all = unit.members;
        all.insert(all.end(), unit.neighbours.begin(), unit.neighbours.end());
        unit.spots = spotsOf(all);
        m_units.push_back(std::move(unit));
    }
    // In the order of the run, so that a sweep meets writes as the run makes them.
    std::sort(m_units.begin(), m_units.end(), [&](const Unit& a, const Unit& b) {
        return m_rowsOf[a.members.front()].front() < m_rowsOf[b.members.front()].front();
    });
}

bool Reader::holds(const WriteRow& row) const { return conditionsHold(row, m_values); }

void Reader::evaluate(std::size_t row)
{
    std::optional<PatchWrite> made = m_writer.write(m_rows[row], m_values);
    m_writer.forgetProblems();
    if (made)
        m_out[row] = std::move(made->bytes);
    else
        m_out[row].reset();
}

void Reader::assign(SettingId id, const SettingValue& value)
{
    if (m_values[id] == value)
        return;
    m_values[id] = value;
    for (const std::size_t r : m_rowsOf[id])
        evaluate(r);
}

std::optional<std::uint8_t> Reader::finalByte(std::size_t at) const
{
    const std::vector<std::size_t>& rows = m_coverers[at];
    for (auto r = rows.rbegin(); r != rows.rend(); ++r) {
        const std::optional<Bytes>& out = m_out[*r];
        const std::size_t k = at - *m_sites[*r].first;
        if (out && k < out->size())
            return (*out)[k];
    }
    return std::nullopt;
}

bool Reader::shows(SettingId id) const
{
    for (const std::size_t at : m_spots[id]) {
        const std::vector<std::size_t>& rows = m_coverers[at];
        for (auto r = rows.rbegin(); r != rows.rend(); ++r) {
            const std::optional<Bytes>& out = m_out[*r];
            if (out && at - *m_sites[*r].first < out->size()) {
                const std::vector<std::size_t>& own = m_rowsOf[id];
                if (std::find(own.begin(), own.end(), *r) != own.end())
                    return true;
                break;
            }
        }
    }
    return false;
}

std::size_t Reader::mismatches(const std::vector<std::size_t>& spots) const
{
    std::size_t count = 0;
    for (const std::size_t at : spots) {
        const auto byte = finalByte(at);
        count += byte && *byte != m_executable.at(at) ? 1 : 0;
    }
    return count;
}

std::vector<int> Reader::bytesAt(const std::vector<std::size_t>& spots) const
{
    std::vector<int> bytes;
    bytes.reserve(spots.size());
    for (const std::size_t at : spots) {
        const auto byte = finalByte(at);
        bytes.push_back(byte ? *byte : -1);
    }
    return bytes;
}

bool Reader::accepts(SettingId id, const SettingValue& value) const
{
    const SettingDef& def = kSettings[id];
    if (kindOf(def.conversion) == ControlKind::Flag)
        return SettingsStore::isBehaviour(id, value.number);
    return fieldAccepts(def, value.text);
}

std::vector<SettingValue> Reader::candidates(SettingId id) const
{
    const SettingDef& def = kSettings[id];
    std::vector<SettingValue> found;
    const auto add = [&](SettingValue value) {
        if (std::find(found.begin(), found.end(), value) == found.end())
            found.push_back(std::move(value));
    };
    const auto state = [&](int number) {
        SettingValue value = m_values[id];
        value.number = number;
        add(value);
    };
    switch (kindOf(def.conversion)) {
    case ControlKind::Check:
        for (const int number : {0, 1, 2})
            state(number);
        return found;
    case ControlKind::Scroll:
    case ControlKind::Option:
    case ControlKind::List:
        if (def.conversion == Conversion::ListText) {
            for (const std::string& entry : m_session.settings.listEntries(id)) {
                SettingValue value = m_values[id];
                value.text = entry;
                add(value);
            }
            return found;
        }
        // "No entry" comes last: a state that writes something is read first.
        for (int number = 0; number <= def.high; ++number)
            state(number);
        for (int number = def.conversion == Conversion::OptionIndex ? 0 : def.low; number < 0; ++number)
            state(number);
        return found;
    case ControlKind::Text:
    case ControlKind::Flag:
        break;
    }

    // A value is decoded from each write that carries it. Bytes another
    // setting's later write covers may be anything, so they are tried as the
    // executable has them, as the value now writes them and as zeros; and the
    // bytes that survive of all its writes are put together, for writes of
    // one value that cover one another.
    const bool flag = kindOf(def.conversion) == ControlKind::Flag;
    const auto own
        = [&](std::size_t r) { return std::find(m_rowsOf[id].begin(), m_rowsOf[id].end(), r) != m_rowsOf[id].end(); };
    const auto lastWriter = [&](std::size_t at, bool ownAlways) -> std::optional<std::size_t> {
        const std::vector<std::size_t>& rows = m_coverers[at];
        for (auto r = rows.rbegin(); r != rows.rend(); ++r) {
            if (own(*r) ? (ownAlways ? holds(m_rows[*r]) : false)
                        : m_out[*r] && at - *m_sites[*r].first < m_out[*r]->size())
                return *r;
        }
        return std::nullopt;
    };
    const auto tryBytes = [&](const Piece& piece, const Bytes& bytes) {
        for (std::string& text : decode(piece, bytes)) {
            SettingValue value = m_values[id];
            if (flag)
                value.number = static_cast<double>(std::stoll(text));
            else
                value.text = std::move(text);
            if (accepts(id, value))
                add(std::move(value));
        }
    };
    struct Place {
        std::size_t row;
        const Piece* piece;
        std::size_t offset;
        std::size_t length;
    };
    std::vector<Place> places;
    for (const std::size_t r : m_rowsOf[id]) {
        const Site& site = m_sites[r];
        if (!site.first || !holds(m_rows[r]))
            continue;
        std::size_t offset = 0;
        for (const Piece& piece : m_rows[r].pieces) {
            const std::size_t length = pieceLength(piece, m_session.engineData);
            if (piece.carriesValue() && piece.setting == id && offset + length <= site.length)
                places.push_back({r, &piece, offset, length});
            offset += length;
        }
    }
    for (const Place& place : places) {
        Bytes asFound(place.length), asWritten(place.length), asZeros(place.length);
        const std::optional<Bytes>& now = m_out[place.row];
        for (std::size_t k = 0; k < place.length; ++k) {
            const std::size_t at = *m_sites[place.row].first + place.offset + k;
            asFound[k] = asWritten[k] = asZeros[k] = m_executable.at(at);
            const auto writer = lastWriter(at, false);
            if (writer && *writer > place.row) {
                asZeros[k] = 0;
                asWritten[k] = now && place.offset + k < now->size() ? (*now)[place.offset + k] : 0;
            }
        }
        for (const Bytes* bytes : {&asFound, &asWritten, &asZeros})
            tryBytes(*place.piece, *bytes);
    }
    if (places.size() > 1) {
        const Place& first = places.front();
        const std::optional<Bytes>& now = m_out[first.row];
        Bytes joinedWritten(first.length, 0), joinedZeros(first.length, 0);
        for (std::size_t k = 0; k < first.length; ++k) {
            if (now && first.offset + k < now->size())
                joinedWritten[k] = (*now)[first.offset + k];
        }
        for (const Place& place : places) {
            for (std::size_t k = 0; k < place.length && k < first.length; ++k) {
                const std::size_t at = *m_sites[place.row].first + place.offset + k;
                if (lastWriter(at, true) == place.row)
                    joinedWritten[k] = joinedZeros[k] = m_executable.at(at);
            }
        }
        tryBytes(*first.piece, joinedWritten);
        tryBytes(*first.piece, joinedZeros);
    }
    if (accepts(id, m_start[id]))
        add(m_start[id]);
    return found;
}

void Reader::settleNeighbour(SettingId id)
{
    if (m_fixed[id])
        return;
    const SettingValue now = m_values[id];
    std::optional<SettingValue> best;
    std::size_t fewest = 0;
    for (const SettingValue& value : candidates(id)) {
        assign(id, value);
        const std::size_t count = mismatches(m_spots[id]);
        // Among equals the value stays: what the unit being read set is not undone.
        if (!best || count < fewest || (count == fewest && value == now)) {
            best = value;
            fewest = count;
        }
    }
    assign(id, best.value_or(now));
}

bool Reader::settle(const Unit& unit)
{
    std::vector<SettingId> members;
    for (const SettingId id : unit.members) {
        if (!m_fixed[id])
            members.push_back(id);
    }
    if (members.empty())
        return false;
    std::vector<std::vector<SettingValue>> choices;
    for (const SettingId id : members) {
        choices.push_back(candidates(id));
        // No value to try: its write is not made, or nothing it could take.
        if (choices.back().empty()) {
            m_kept[id] = true;
            return false;
        }
    }
    // Values that leave the same bytes are as good as one another: only a
    // change of bytes calls for another sweep.
    const std::vector<int> before = bytesAt(unit.spots);

    // Every combination of the members' values, with the neighbours then
    // brought in line; the first with the fewest differing bytes wins.
    std::vector<Trial> trials;
    std::vector<std::size_t> pick(members.size(), 0);
    for (;;) {
        for (std::size_t i = 0; i < members.size(); ++i)
            assign(members[i], choices[i][pick[i]]);
        for (const SettingId id : unit.neighbours)
            settleNeighbour(id);
        Trial trial;
        for (const SettingId id : members)
            trial.values.push_back(m_values[id]);
        for (const SettingId id : unit.neighbours)
            trial.values.push_back(m_values[id]);
        trial.mismatches = mismatches(unit.spots);
        trial.bytes = bytesAt(unit.spots);
        trials.push_back(std::move(trial));
        std::size_t i = 0;
        while (i < members.size() && ++pick[i] == choices[i].size())
            pick[i++] = 0;
        if (i == members.size())
            break;
    }
    const auto best = std::min_element(
        trials.begin(), trials.end(), [](const Trial& a, const Trial& b) { return a.mismatches < b.mismatches; });

    // A member whose value changes no byte, the others as read, is not shown
    // by the executable: it keeps the value it had.
    const auto othersAsBest = [&](const Trial& trial, std::size_t except) {
        for (std::size_t i = 0; i < members.size(); ++i) {
            if (i != except && !(trial.values[i] == best->values[i]))
                return false;
        }
        return true;
    };
    const auto apply = [&](const Trial& trial) {
        for (std::size_t i = 0; i < members.size(); ++i)
            assign(members[i], trial.values[i]);
        for (std::size_t i = 0; i < unit.neighbours.size(); ++i) {
            if (!m_fixed[unit.neighbours[i]])
                assign(unit.neighbours[i], trial.values[members.size() + i]);
        }
    };
    apply(*best);
    std::vector<bool> silent(members.size());
    for (std::size_t m = 0; m < members.size(); ++m) {
        // A value is shown when a byte of its writes survives (two spellings
        // of one number write the same bytes, yet the bytes tell it); a choice
        // when another state would leave other bytes.
        silent[m] = !isChoice(members[m]) ? !shows(members[m])
                                          : std::all_of(trials.begin(), trials.end(), [&](const Trial& trial) {
                                                return !othersAsBest(trial, m) || trial.bytes == best->bytes;
                                            });
    }
    const Trial* chosen = &*best;
    for (const Trial& trial : trials) {
        bool fits = true;
        for (std::size_t m = 0; m < members.size(); ++m) {
            const SettingValue& wanted = silent[m] ? m_start[members[m]] : best->values[m];
            fits = fits && trial.values[m] == wanted;
        }
        if (fits) {
            chosen = &trial;
            break;
        }
    }
    for (std::size_t m = 0; m < members.size(); ++m)
        m_kept[members[m]] = silent[m] && chosen->values[m] == m_start[members[m]];
    apply(*chosen);
    return bytesAt(unit.spots) != before;
}

void Reader::descend()
{
    // Sweeps until no byte changes; a few are enough, as only writes that
    // cover one another make a later sweep change anything.
    constexpr int kMostSweeps = 8;
    for (int sweep = 0; sweep < kMostSweeps; ++sweep) {
        bool changed = false;
        for (const Unit& unit : m_units)
            changed = settle(unit) || changed;
        if (!changed)
            break;
    }
    // A unit read later may have moved a value its bytes do not tell, while
    // trying its own: it goes back to what it was where the bytes stay.
    for (SettingId id = 0; id < kSettingCount; ++id) {
        if (!m_kept[id] || m_fixed[id] || m_values[id] == m_start[id])
            continue;
        const SettingValue now = m_values[id];
        const std::vector<int> bytes = bytesAt(m_spots[id]);
        assign(id, m_start[id]);
        if (bytesAt(m_spots[id]) != bytes)
            assign(id, now);
    }
}

// Plans the run with the values read and compares what it leaves with the
// executable. A setting that leaves a differing byte, or whose value cannot be
// written where its write is made, is undetermined: it goes back to its start
// value and is listed. True when every setting read is proved.
bool Reader::prove(SettingsReading& reading)
{
    std::vector<PatchWrite> writes;
    for (const WriteRow& row : m_rows) {
        if (auto made = m_writer.write(row, m_values))
            writes.push_back(std::move(*made));
    }
    reading.problems = m_writer.problems();
    m_writer.forgetProblems();

    std::vector<std::optional<UndeterminedSetting>> found(kSettingCount);
    constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::vector<std::size_t> lastWrite(m_executable.count(), kNone), lastByte(m_executable.count(), 0);
    for (std::size_t i = 0; i < writes.size(); ++i) {
        for (std::size_t k = 0; k < writes[i].bytes.size(); ++k) {
            if (const auto at = m_executable.index(writes[i].position + static_cast<std::int64_t>(k))) {
                lastWrite[*at] = i;
                lastByte[*at] = k;
            }
        }
    }
    const auto bytesFound = [&](std::int64_t position, std::size_t length) {
        Bytes bytes;
        for (std::size_t k = 0; k < length; ++k) {
            if (const auto at = m_executable.index(position + static_cast<std::int64_t>(k)))
                bytes.push_back(m_executable.at(*at));
        }
        return bytes;
    };
    // The first write of each setting that leaves a differing byte.
    std::vector<std::size_t> firstWrite(kSettingCount, kNone);
    for (std::size_t at = 0; at < m_executable.count(); ++at) {
        const std::size_t i = lastWrite[at];
        if (i == kNone || writes[i].bytes[lastByte[at]] == m_executable.at(at))
            continue;
        const SettingId id = writes[i].settingOfByte(lastByte[at]);
        firstWrite[id] = std::min(firstWrite[id], i);
    }
    for (SettingId id = 0; id < kSettingCount; ++id) {
        if (firstWrite[id] != kNone) {
            const PatchWrite& write = writes[firstWrite[id]];
            found[id] = UndeterminedSetting{id, write.position, bytesFound(write.position, write.bytes.size())};
        }
    }
    // A kept value its field refuses where its write is made.
    for (const PatchProblem& problem : reading.problems) {
        const auto id = findSetting(problem.what);
        if (!id || found[*id])
            continue;
        for (const std::size_t r : m_rowsOf[*id]) {
            if (m_sites[r].first && holds(m_rows[r])) {
                found[*id]
                    = UndeterminedSetting{*id, m_sites[r].position, bytesFound(m_sites[r].position, m_sites[r].length)};
                break;
            }
        }
    }

    bool proved = true;
    for (SettingId id = 0; id < kSettingCount; ++id) {
        if (!found[id] || m_fixed[id])
            continue;
        proved = false;
        m_fixed[id] = true;
        assign(id, m_start[id]);
        reading.undetermined.push_back(std::move(*found[id]));
    }
    return proved;
}

SettingsReading Reader::read()
{
    SettingsReading reading;
    // Each round fixes at least one more setting, so it ends.
    do
        descend();
    while (!prove(reading));
    std::sort(reading.undetermined.begin(), reading.undetermined.end(),
        [](const UndeterminedSetting& a, const UndeterminedSetting& b) { return a.setting < b.setting; });
    reading.values = m_values;
    reading.read.assign(kSettingCount, false);
    for (SettingId id = 0; id < kSettingCount; ++id)
        reading.read[id] = !m_fixed[id] && (isChoice(id) ? !m_kept[id] && !m_rowsOf[id].empty() : shows(id));
    return reading;
}

} // namespace

SettingsReading readSettings(Session& session, const ExecutableBytes& executable, const SettingValues& start)
{
    return Reader(session, executable, start).read();
}

SettingsReading readSettings(Session& session, ByteSource& executable)
{
    ExecutableBytes bytes;
    if (Status read = ExecutableBytes::read(executable, writableRanges(session.offsets, session.engineData), bytes);
        !read) {
        SettingsReading reading;
        reading.values = session.settings.values();
        reading.read.assign(kSettingCount, false);
        reading.problems.push_back({session.executable.name, read.reason()});
        return reading;
    }
    return readSettings(session, bytes, session.settings.values());
}

} // namespace golv
