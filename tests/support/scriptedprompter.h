// A stand-in for the person at the screen: records every prompt exactly as it was shown and
// answers from a queue. Notices (a message box with only OK) are answered OK without using
// the queue; any other prompt with no fitting answer queued is answered Cancel (or No) and
// counted in unanswered(), so a test sees a question it did not expect.
#pragma once

#include "common/prompt/prompter.h"

// Qt
#include <QList>
#include <QString>

// std
#include <deque>
#include <optional>

namespace testsupport {

struct RecordedPrompt
{
    enum class Kind { Message, Input, File, Printer };

    Kind kind = Kind::Message;
    QString text;    // message text, input prompt, file or printer dialog title
    QString caption; // message caption, input title
    prompt::Buttons buttons = prompt::Buttons::Ok;
    prompt::Icon icon = prompt::Icon::None;
    QString detail; // message details
    prompt::InputRequest input;
    prompt::FileRequest file;
};

class ScriptedPrompter : public prompt::Prompter
{
public:
    // Queue answers, consumed in order by prompts of their kind.
    ScriptedPrompter &answer(prompt::Answer answer);
    ScriptedPrompter &type(const QString &text); // input box confirmed with this text
    ScriptedPrompter &cancelInput();
    ScriptedPrompter &chooseFile(const QString &path, int filterIndex = 1);
    ScriptedPrompter &cancelFile();
    ScriptedPrompter &printToPdf(const QString &pdfPath);
    ScriptedPrompter &cancelPrinter();

    [[nodiscard]] const QList<RecordedPrompt> &prompts() const { return mPrompts; }
    [[nodiscard]] QStringList messageTexts() const; // texts of every message box, in order
    [[nodiscard]] int unanswered() const { return mUnanswered; }
    [[nodiscard]] bool allAnswersUsed() const { return mQueue.empty(); }
    void clear();

    using Prompter::input;
    using Prompter::message;
    prompt::Answer message(const prompt::Message &message) override;
    std::optional<QString> input(const prompt::InputRequest &request) override;
    prompt::FileAnswer file(const prompt::FileRequest &request) override;
    bool choosePrinter(QPrinter &printer, const QString &title) override;

private:
    struct Queued
    {
        RecordedPrompt::Kind kind;
        prompt::Answer answer = prompt::Answer::Ok;
        bool confirmed = false; // false: the box or dialog is cancelled
        QString text;           // input text, file path or PDF path
        int filterIndex = 1;
    };

    std::optional<Queued> take(RecordedPrompt::Kind kind);

    std::deque<Queued> mQueue;
    QList<RecordedPrompt> mPrompts;
    int mUnanswered = 0;
};

} // namespace testsupport
