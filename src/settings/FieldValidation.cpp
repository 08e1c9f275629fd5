#include "settings/FieldValidation.h"

#include "codec/Numbers.h"

#include <algorithm>

namespace golv {
namespace {

std::string countWord(std::int32_t count)
{
    switch (count) {
    case 2:
        return "two";
    case 4:
        return "four";
    case 8:
        return "eight";
    default:
        return std::to_string(count);
    }
}

// What the patch run would refuse in a text the field's own checks let pass.
std::string refusedByTheRun(const std::string& text, Input input)
{
    if (input == Input::SignedDigits && !text.empty() && !strictNumber(text)) {
        if (text.find_first_of("0123456789") == std::string::npos)
            return "You must fill this field with at least one digit!";
        return "The minus sign can only stand before the first digit!";
    }
    if (input == Input::Hex && text.size() % 2 != 0)
        return "You must fill this field with an even number of hexadecimal symbols!";
    return {};
}

} // namespace

FieldVerdict checkField(const FieldChecks& checks, std::string text, Input input)
{
    FieldVerdict verdict;
    for (const FieldCheck& check : checks) {
        const double number = leadingNumber(text).value_or(0);
        std::string message;
        switch (check.type) {
        case FieldCheck::Type::None:
            break;
        case FieldCheck::Type::Empty:
            if (text.empty())
                message = "You must fill this field with at least one digit!";
            break;
        case FieldCheck::Type::Max:
            if (number > check.value) {
                message = "Maximum value for this field is " + std::to_string(check.value) + "!";
                text = std::to_string(check.value);
            }
            break;
        case FieldCheck::Type::Min:
            if (number < check.value) {
                message = "Minimum value for this field is " + std::to_string(check.value) + "!";
                text = std::to_string(check.value);
            }
            break;
        case FieldCheck::Type::HexDigits:
            if (text.size() < static_cast<std::size_t>(check.value))
                message = "You must fill this field with " + countWord(check.value) + " hexadecimal symbols!";
            break;
        case FieldCheck::Type::DecDigits:
            if (text.size() < static_cast<std::size_t>(check.value))
                message = "You must fill this field with " + countWord(check.value) + " decimal symbols!";
            break;
        }
        if (!message.empty()) {
            verdict.messages.push_back(std::move(message));
            verdict.keepFocus = verdict.keepFocus || check.refocus;
        }
    }
    if (verdict.messages.empty()) {
        if (std::string refused = refusedByTheRun(text, input); !refused.empty()) {
            verdict.messages.push_back(std::move(refused));
            verdict.keepFocus = true;
        }
    }
    verdict.text = std::move(text);
    return verdict;
}

bool keyFilterAccepts(Input input, char character)
{
    const bool digit = character >= '0' && character <= '9';
    switch (input) {
    case Input::Any:
        return true;
    case Input::Digits:
        return digit;
    case Input::Hex:
        return digit || (character >= 'A' && character <= 'F');
    case Input::SignedDigits:
        return digit || character == '-';
    }
    return false;
}

bool fieldAccepts(const SettingDef& def, std::string_view text)
{
    if (def.maxLength != 0 && text.size() > def.maxLength)
        return false;
    if (!std::all_of(text.begin(), text.end(), [&](char c) { return keyFilterAccepts(def.input, c); }))
        return false;
    const FieldVerdict verdict = checkField(def.checks, std::string(text));
    return verdict.messages.empty() && verdict.text == text;
}

} // namespace golv
