#include "settings/FieldValidation.h"

#include <gtest/gtest.h>

namespace golv {
namespace {

using Type = FieldCheck::Type;
using Messages = std::vector<std::string>;

// Each check sees the text as the checks before it left it, and a refusal
// keeps the focus in the field unless its check only corrects the text.
TEST(FieldValidation, leavingAFieldMakesItsChecksInOrder)
{
    struct Row {
        const char* name;
        FieldChecks checks;
        const char* typed;
        Messages messages;
        const char* text;
        bool keepsFocus = true; // when there is a message
        Input input = Input::Any;
    };
    const FieldChecks signedByte = {{{Type::Min, -128}, {Type::Max, 127}, {Type::Empty, 0}}};
    const char* const misplacedSign = "The minus sign can only stand before the first digit!";
    const FieldChecks emptyThenLimits = {{{Type::Empty, 0}, {Type::Max, 255}, {Type::Min, -128}}};
    const Row rows[] = {
        {"within the limits", emptyThenLimits, "255", {}, "255"},
        {"one above", emptyThenLimits, "256", {"Maximum value for this field is 255!"}, "255"},
        {"the lowest", emptyThenLimits, "-128", {}, "-128"},
        {"one below", emptyThenLimits, "-129", {"Minimum value for this field is -128!"}, "-128"},
        {"empty counts as 0 for the limits", emptyThenLimits, "", {"You must fill this field with at least one digit!"},
            ""},
        {"a corrected text passes a later empty check", {{{Type::Max, 6}, {Type::Empty, 0}}}, "9",
            {"Maximum value for this field is 6!"}, "6"},
        {"two hex symbols", {{{Type::HexDigits, 2}}}, "F", {"You must fill this field with two hexadecimal symbols!"},
            "F"},
        {"two hex symbols given", {{{Type::HexDigits, 2}}}, "0F", {}, "0F"},
        {"four hex symbols", {{{Type::HexDigits, 4}}}, "FFF",
            {"You must fill this field with four hexadecimal symbols!"}, "FFF"},
        {"eight hex symbols", {{{Type::HexDigits, 8}}}, "1234567",
            {"You must fill this field with eight hexadecimal symbols!"}, "1234567"},
        {"two decimal symbols", {{{Type::DecDigits, 2}}}, "5", {"You must fill this field with two decimal symbols!"},
            "5"},
        {"both limits refuse in turn", {{{Type::Min, 10}, {Type::Max, 5}}}, "7",
            {"Minimum value for this field is 10!", "Maximum value for this field is 5!"}, "5"},
        {"a capped text lets the focus go", {{{Type::Max, 127, false}, {Type::Empty, 0}}}, "200",
            {"Maximum value for this field is 127!"}, "127", false},
        {"but not when it is empty", {{{Type::Max, 127, false}, {Type::Empty, 0}}}, "",
            {"You must fill this field with at least one digit!"}, ""},
        // What the patch run would refuse, though the checks above let it pass.
        {"a signed number", signedByte, "-5", {}, "-5", true, Input::SignedDigits},
        {"a lone minus", signedByte, "-", {"You must fill this field with at least one digit!"}, "-", true,
            Input::SignedDigits},
        {"a minus after the digits", signedByte, "12-", {misplacedSign}, "12-", true, Input::SignedDigits},
        {"two minus signs", signedByte, "--5", {misplacedSign}, "--5", true, Input::SignedDigits},
        {"odd hex digits", {{{Type::HexDigits, 2}}}, "1A3",
            {"You must fill this field with an even number of hexadecimal symbols!"}, "1A3", true, Input::Hex},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const FieldVerdict verdict = checkField(row.checks, row.typed, row.input);
        EXPECT_EQ(verdict.messages, row.messages);
        EXPECT_EQ(verdict.text, row.text);
        EXPECT_EQ(verdict.keepFocus, !row.messages.empty() && row.keepsFocus);
    }
}

TEST(FieldValidation, keyFiltersLetThroughTheirCharactersOnly)
{
    const std::string every = "/09:@AFGaf-. ";
    const std::pair<Input, std::string> rows[] = {
        {Input::Any, every},
        {Input::Digits, "0123456789"},
        {Input::Hex, "0123456789ABCDEF"},
        {Input::SignedDigits, "0123456789-"},
    };
    for (const auto& [input, accepted] : rows) {
        for (const char c : every)
            EXPECT_EQ(keyFilterAccepts(input, c), accepted.find(c) != std::string::npos)
                << static_cast<int>(input) << " '" << c << "'";
    }
}

} // namespace
} // namespace golv
