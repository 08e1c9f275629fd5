#pragma once

#include "UserInteraction.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace golv::test {

// Stands in for the person at the keyboard: records every message and
// question, and answers from scripted queues (OK and "cancel" by default).
class RecordingInteraction final : public UserInteraction {
public:
    struct Entry {
        std::string text;
        std::string title;
        std::string details = {};
    };

    void message(std::string_view text, std::string_view title, std::string_view details) override
    {
        messages.push_back({std::string(text), std::string(title), std::string(details)});
    }

    bool confirm(std::string_view text, std::string_view title, std::string_view details) override
    {
        questions.push_back({std::string(text), std::string(title), std::string(details)});
        if (confirmAnswers.empty())
            return true;
        const bool answer = confirmAnswers.front();
        confirmAnswers.pop_front();
        return answer;
    }

    std::optional<std::string> chooseFileToOpen(std::string_view title, std::string_view filter) override
    {
        return choose(title, filter);
    }

    std::optional<std::string> chooseFileToSave(std::string_view title, std::string_view filter) override
    {
        return choose(title, filter);
    }

    std::vector<std::string> messageTexts() const
    {
        std::vector<std::string> texts;
        for (const Entry& entry : messages)
            texts.push_back(entry.text);
        return texts;
    }

    std::vector<Entry> messages;
    std::vector<Entry> questions;
    struct FileDialog {
        std::string title;
        std::string filter;
    };
    std::vector<FileDialog> fileDialogs;
    std::deque<bool> confirmAnswers;
    std::deque<std::optional<std::string>> fileAnswers; // nothing queued means "cancel"

private:
    std::optional<std::string> choose(std::string_view title, std::string_view filter)
    {
        fileDialogs.push_back({std::string(title), std::string(filter)});
        if (fileAnswers.empty())
            return std::nullopt;
        auto answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    }
};

} // namespace golv::test
