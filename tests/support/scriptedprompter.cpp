#include "scriptedprompter.h"

// Qt
#include <QPrinter>

namespace testsupport {

using prompt::Answer;
using Kind = RecordedPrompt::Kind;

ScriptedPrompter &ScriptedPrompter::answer(Answer answer)
{
    mQueue.push_back({Kind::Message, answer, true, {}, 1});
    return *this;
}

ScriptedPrompter &ScriptedPrompter::type(const QString &text)
{
    mQueue.push_back({Kind::Input, Answer::Ok, true, text, 1});
    return *this;
}

ScriptedPrompter &ScriptedPrompter::cancelInput()
{
    mQueue.push_back({Kind::Input, Answer::Cancel, false, {}, 1});
    return *this;
}

ScriptedPrompter &ScriptedPrompter::chooseFile(const QString &path, int filterIndex)
{
    mQueue.push_back({Kind::File, Answer::Ok, true, path, filterIndex});
    return *this;
}

ScriptedPrompter &ScriptedPrompter::cancelFile()
{
    mQueue.push_back({Kind::File, Answer::Cancel, false, {}, 1});
    return *this;
}

ScriptedPrompter &ScriptedPrompter::printToPdf(const QString &pdfPath)
{
    mQueue.push_back({Kind::Printer, Answer::Ok, true, pdfPath, 1});
    return *this;
}

ScriptedPrompter &ScriptedPrompter::cancelPrinter()
{
    mQueue.push_back({Kind::Printer, Answer::Cancel, false, {}, 1});
    return *this;
}

QStringList ScriptedPrompter::messageTexts() const
{
    QStringList texts;
    for (const RecordedPrompt &p : mPrompts) {
        if (p.kind == Kind::Message)
            texts.append(p.text);
    }
    return texts;
}

void ScriptedPrompter::clear()
{
    mQueue.clear();
    mPrompts.clear();
    mUnanswered = 0;
}

std::optional<ScriptedPrompter::Queued> ScriptedPrompter::take(Kind kind)
{
    if (mQueue.empty() || mQueue.front().kind != kind) {
        ++mUnanswered;
        return std::nullopt;
    }
    Queued next = mQueue.front();
    mQueue.pop_front();
    return next;
}

Answer ScriptedPrompter::message(const prompt::Message &message)
{
    RecordedPrompt p;
    p.kind = Kind::Message;
    p.text = message.text;
    p.caption = message.caption;
    p.buttons = message.buttons;
    p.icon = message.icon;
    p.detail = message.detail;
    mPrompts.append(p);
    if (message.buttons == prompt::Buttons::Ok)
        return Answer::Ok;
    if (const auto queued = take(Kind::Message))
        return queued->answer;
    return message.buttons == prompt::Buttons::YesNo ? Answer::No : Answer::Cancel;
}

std::optional<QString> ScriptedPrompter::input(const prompt::InputRequest &request)
{
    RecordedPrompt p;
    p.kind = Kind::Input;
    p.text = request.prompt;
    p.caption = request.title;
    p.input = request;
    mPrompts.append(p);
    if (const auto queued = take(Kind::Input); queued && queued->confirmed)
        return queued->text;
    return std::nullopt;
}

prompt::FileAnswer ScriptedPrompter::file(const prompt::FileRequest &request)
{
    RecordedPrompt p;
    p.kind = Kind::File;
    p.text = request.title;
    p.file = request;
    mPrompts.append(p);
    prompt::FileAnswer answer;
    if (const auto queued = take(Kind::File); queued && queued->confirmed) {
        answer.path = queued->text;
        answer.filterIndex = queued->filterIndex;
    }
    return answer;
}

bool ScriptedPrompter::choosePrinter(QPrinter &printer, const QString &title)
{
    RecordedPrompt p;
    p.kind = Kind::Printer;
    p.text = title;
    mPrompts.append(p);
    const auto queued = take(Kind::Printer);
    if (!queued || !queued->confirmed)
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(queued->text);
    return true;
}

} // namespace testsupport
