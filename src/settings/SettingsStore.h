#pragma once

#include "Status.h"
#include "settings/Category.h"
#include "settings/Displays.h"
#include "settings/SettingDef.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace golv {

// Which reader a line comes from. A preset that holds an ammunition flag no
// letter stands for is refused as a whole; golv.cfg keeps it, and the patch
// run names it instead of writing, so that one flag does not make the whole
// configuration be written anew.
enum class LineOrigin { Configuration, Preset };

// One line of a file for the parsers: its key (lower case) and value, the
// reader it comes from, and the version of its file (ConfigVersion), by which
// values stored by older files are converted.
struct SettingLine {
    std::string_view key;
    std::string_view value;
    LineOrigin origin = LineOrigin::Configuration;
    std::string_view version;
};

// What a line did: a failure for a value outside its control's range, and
// the warnings its value deserves (hex digits of an older file that are
// none), which the reader shows as it shows a file's warnings.
struct [[nodiscard]] ParsedLine {
    Status status = Status::ok();
    std::vector<std::string> warnings;
};

// Lets the readers put file lines into settings; the configuration and preset
// readers call it for every line (see Session::parsers).
class CategoryParsers {
public:
    virtual ~CategoryParsers() = default;
    // Sets the setting of the line's key when it belongs to `category`;
    // ignores other keys.
    virtual ParsedLine parse(Category category, const SettingLine& line) = 0;
};

// The Settings store: the value of every setting, as the control that shows
// it holds it, and the rules that run whenever a value is put into a control,
// whoever puts it there (the user, the configuration or a preset). Windows
// show and edit these values; the patch run and the preset writer read them.
class SettingsStore final : public CategoryParsers {
public:
    SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // Check box state, scroll position, selected option (-1 none), list index (-1 none).
    int state(SettingId id) const;
    // The text of a text field or of a list.
    std::string text(SettingId id) const;
    // An ammunition flag.
    double flag(SettingId id) const;
    // Every value at once, as the patch run reads them.
    const SettingValues& values() const { return m_values; }

    // Putting a value into a control: when the value changes, the control's
    // change rules run and every observer hears of it.
    void setState(SettingId id, int state);
    void setText(SettingId id, std::string text);
    void setFlag(SettingId id, double value);

    // Puts every value into its control, as a preset that held them all
    // would: one step, the rules running on each, and every value ending as
    // given where the rules allow it (while the small medkits and flares
    // mirror each other, both end as the flares).
    void load(const SettingValues& values);

    // Whether the setting's control takes input now: the check boxes of
    // kRules (settings/Rules.h) switch their targets.
    bool isEnabled(SettingId id) const;

    ParsedLine parse(Category category, const SettingLine& line) override;

    // Whether a flag holds one of the behaviours its letter cycles through.
    static bool isBehaviour(SettingId id, double value);

    // The display box of a scroll-bar setting (drawing distance, fog, sample
    // rate, blend intensity): the text the patch run looks up, and the tint.
    std::optional<DisplayRow> display(SettingId id) const;
    // "DF range cannot be more than DD range" shows while the drawing distance
    // is smaller than the fog range.
    bool rangeWarningShown() const;

    // The one-letter label of an ammunition flag, and a click on it.
    std::string_view flagLetter(SettingId id) const;
    void advanceFlag(SettingId id);

    // The entries of a drop-down list.
    const std::vector<std::string>& listEntries(SettingId id) const;

    // The fonts window's three alignment captions (left, center, right). The
    // list shows its own entries ("left", "center", "right") until a language
    // file has been read to its end: then it shows the captions, its choice
    // kept (showAlignmentCaptions). The menu patch and presets go by the
    // list's position alone, so a caption never changes what is written.
    const std::array<std::string, 3>& alignmentCaptions() const { return m_alignmentCaptions; }
    void setAlignmentCaptions(const std::array<std::string, 3>& captions);
    void showAlignmentCaptions();
    // The list's own entries again, as before any language file was read.
    void showOwnAlignmentEntries();

    // The history of changes, for undo and redo. Each change of a value is
    // one step, together with what the store's rules changed in answer;
    // every change made between beginStep and endStep (they nest) is one
    // step, so that "defaults", a preset load or a read of the executable is
    // undone whole. Typing into a field is one step until closeStep (the
    // user left the field) or a change of another setting. Undo and redo
    // put the values back as they were, the rules' too, and every observer
    // hears of each; the enabled states follow the values.
    void beginStep();
    void endStep();
    // A text typed into a field: joins the field's open step.
    void typeText(SettingId id, std::string text);
    void closeStep();
    // Start-up's values are where the history starts.
    void forgetHistory();
    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    bool undo();
    bool redo();

    // A step around a block: `SettingsStore::Step step(store);`.
    class Step {
    public:
        explicit Step(SettingsStore& store) : m_store(store) { m_store.beginStep(); }
        ~Step() { m_store.endStep(); }
        Step(const Step&) = delete;
        Step& operator=(const Step&) = delete;

    private:
        SettingsStore& m_store;
    };

    using Observer = std::function<void(SettingId)>;
    // Hears of every change of a value or of an enabled state; returns a handle.
    int addObserver(Observer observer);
    void removeObserver(int handle);

private:
    // The values a step changed, as they were before it.
    using Change = std::pair<SettingId, SettingValue>;
    using History = std::vector<std::vector<Change>>;

    Status apply(SettingId id, const SettingLine& line, std::vector<std::string>& warnings);
    void record(SettingId id);
    bool travel(History& from, History& to);
    void notifyDependents(SettingId id);
    // The position an alignment text from a file stands for; none for a
    // number or a text the list never showed.
    std::optional<int> alignmentPosition(std::string_view value) const;
    void runChangeRules(SettingId id);
    void runFollowUp(SettingId id);
    void notify(SettingId id);

    SettingValues m_values;
    std::array<std::string, 3> m_alignmentCaptions;
    std::vector<std::string> m_alignmentEntries;
    std::vector<std::string> m_binocularEntries;
    std::vector<std::pair<int, Observer>> m_observers;
    History m_undo;
    History m_redo;
    int m_stepDepth = 0;
    bool m_stepStarted = false;
    bool m_travelling = false;
    std::optional<SettingId> m_typing;
    int m_nextObserver = 0;
};

} // namespace golv
