#include "consoleprompter.h"

#include "texts.h"

// std
#include <cstdio>

namespace dorvane {

namespace {

const QString kNoDisplay = QStringLiteral("(no display: ");

} // namespace

ConsolePrompter::ConsolePrompter(QTextStream *errors)
    : mStandardError(stderr)
    , mErrors(errors != nullptr ? errors : &mStandardError)
{}

void ConsolePrompter::write(const QString &line)
{
    *mErrors << line << Qt::endl;
}

prompt::Answer ConsolePrompter::message(const prompt::Message &message)
{
    prompt::Answer answer = prompt::Answer::Ok;
    QString taken;
    switch (message.buttons) {
    case prompt::Buttons::Ok:
        break;
    case prompt::Buttons::YesNo:
        answer = prompt::Answer::No;
        taken = QStringLiteral("No");
        break;
    case prompt::Buttons::AbortRetryIgnore:
        answer = prompt::Answer::Abort;
        taken = QStringLiteral("Abort");
        break;
    default:
        answer = prompt::Answer::Cancel;
        taken = QStringLiteral("Cancel");
        break;
    }
    QString line = message.caption.isEmpty()
                       ? message.text
                       : message.caption + QStringLiteral(": ") + message.text;
    if (!taken.isEmpty())
        line +=
            QLatin1Char(' ') + kNoDisplay + QStringLiteral("answered ") + taken + QLatin1Char(')');
    write(line);
    return answer;
}

std::optional<QString> ConsolePrompter::input(const prompt::InputRequest &request)
{
    write(request.title + QStringLiteral(": ") + request.prompt + QLatin1Char(' ') + kNoDisplay
          + QStringLiteral("cancelled)"));
    return std::nullopt;
}

prompt::FileAnswer ConsolePrompter::file(const prompt::FileRequest &request)
{
    const QString kind = request.mode == prompt::FileRequest::Mode::Save
                             ? QStringLiteral("Save file dialog")
                             : QStringLiteral("Open file dialog");
    write(kind + QStringLiteral(" for \"") + request.fileName + QStringLiteral("\" ") + kNoDisplay
          + QStringLiteral("cancelled)"));
    return {};
}

bool ConsolePrompter::choosePrinter(QPrinter &, const QString &title)
{
    write(QStringLiteral("Printer dialog ")
          + (title.isEmpty() ? QString() : title + QLatin1Char(' ')) + kNoDisplay
          + QStringLiteral("cancelled)"));
    return false;
}

PasswordReply ConsolePrompter::askPassword()
{
    write(texts::kPasswordTitle + QStringLiteral(": Enter Password: ") + kNoDisplay
          + QStringLiteral("cancelled)"));
    return {};
}

PickerResult ConsolePrompter::pickDatabase()
{
    write(texts::kPickerTitle + QLatin1Char(' ') + kNoDisplay + QStringLiteral("cancelled)"));
    return {};
}

} // namespace dorvane
