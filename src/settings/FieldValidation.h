#pragma once

#include "settings/SettingDef.h"

#include <string>
#include <string_view>
#include <vector>

namespace golv {

// What leaving a text field does: the messages to show, one box each in
// order, the text the field holds afterwards, and whether the focus goes back
// into the field.
struct FieldVerdict {
    std::vector<std::string> messages;
    std::string text;
    bool keepFocus = false;
};

// Makes a field's checks in order on its text. Each check looks at the text
// as the checks before it left it: a limit that corrects the text ("255")
// lets a later "empty" check pass, and an empty field counts as 0 for limits.
// A text those checks let pass is then held to what the patch run takes from
// a field of its key filter: a signed field a number ("5-" and a lone "-" are
// none), a hexadecimal field whole bytes ("1A3" is none).
FieldVerdict checkField(const FieldChecks& checks, std::string text, Input input = Input::Any);

// Whether a key filter lets a character through (Backspace always passes).
bool keyFilterAccepts(Input input, char character);

// Whether a text field could hold the text after the user left it: every
// character passes its key filter, it is no longer than the field, and its
// checks neither refuse nor correct it.
bool fieldAccepts(const SettingDef& def, std::string_view text);

} // namespace golv
