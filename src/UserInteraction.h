#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace golv {

// Everything the core needs from the person at the keyboard. src/ui answers
// with Qt message boxes and file dialogs; tests answer with a recorder. Texts
// use "\n" for line breaks.
class UserInteraction {
public:
    virtual ~UserInteraction() = default;

    // A modal box with the OK button alone. An empty title means the program's
    // own. Details, when there are any, are shown on request below the text
    // (every reason a patch run was refused, say).
    virtual void message(std::string_view text, std::string_view title = {}, std::string_view details = {}) = 0;

    // A modal box with OK and Cancel; true for OK. Closing the box counts as
    // Cancel. Details as for message.
    virtual bool confirm(std::string_view text, std::string_view title, std::string_view details = {}) = 0;

    // The platform's file dialogs. `filter` has the form
    // "Name (*.ext)|*.ext|All Files (*.*)|*.*". No value when the user cancels.
    virtual std::optional<std::string> chooseFileToOpen(std::string_view title, std::string_view filter) = 0;
    virtual std::optional<std::string> chooseFileToSave(std::string_view title, std::string_view filter) = 0;
};

} // namespace golv
