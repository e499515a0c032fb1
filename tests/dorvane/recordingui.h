// A stand-in for the converter's window in engine tests: records every message box, status
// text and repaint, and answers the password dialog from a queue (Cancel when it is empty).
#pragma once

#include "dorvane/convert/engineui.h"

// std
#include <deque>
#include <string>
#include <vector>

namespace testsupport {

class RecordingUi : public convert::EngineUi
{
public:
    struct Message
    {
        std::string caption;
        std::string text;
        bool operator==(const Message &) const = default;
    };

    RecordingUi &typePassword(std::string text)
    {
        mAnswers.push_back({convert::PasswordAnswer::Result::Ok, std::move(text)});
        return *this;
    }
    RecordingUi &cancelPassword()
    {
        mAnswers.push_back({convert::PasswordAnswer::Result::Cancel, {}});
        return *this;
    }
    RecordingUi &closePassword()
    {
        mAnswers.push_back({convert::PasswordAnswer::Result::Closed, {}});
        return *this;
    }

    void showMessage(std::string_view caption, std::string_view text) override
    {
        messages.push_back({std::string(caption), std::string(text)});
    }
    void showStatus(std::string_view text) override { statuses.emplace_back(text); }
    void processEvents() override { ++repaints; }
    convert::PasswordAnswer askPassword() override
    {
        ++passwordPrompts;
        if (mAnswers.empty())
            return {convert::PasswordAnswer::Result::Cancel, {}};
        auto answer = mAnswers.front();
        mAnswers.pop_front();
        return answer;
    }

    [[nodiscard]] std::vector<std::string> messageTexts() const
    {
        std::vector<std::string> texts;
        for (const Message &m : messages)
            texts.push_back(m.text);
        return texts;
    }
    [[nodiscard]] std::string lastStatus() const
    {
        return statuses.empty() ? std::string() : statuses.back();
    }

    std::vector<Message> messages;
    std::vector<std::string> statuses;
    int repaints = 0;
    int passwordPrompts = 0;

private:
    std::deque<convert::PasswordAnswer> mAnswers;
};

} // namespace testsupport
