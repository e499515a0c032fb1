#include "formengineui.h"

#include "formdialogs.h"
#include "tmainform.h"

#include "common/prompt/prompter.h"
#include "common/qt/cp1252text.h"

namespace dorvane {

namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

FormEngineUi::FormEngineUi(TMainForm &form, FormDialogs &dialogs)
    : mForm(form)
    , mDialogs(dialogs)
{}

void FormEngineUi::showMessage(std::string_view caption, std::string_view text)
{
    mForm.prompter().message(fromUtf8(text), fromUtf8(caption), prompt::Buttons::Ok,
                             prompt::Icon::Exclamation);
}

void FormEngineUi::showStatus(std::string_view text)
{
    mForm.showProgress(fromUtf8(text));
}

void FormEngineUi::processEvents()
{
    mForm.processPendingEvents();
}

convert::PasswordAnswer FormEngineUi::askPassword()
{
    convert::PasswordAnswer answer;
    const PasswordReply reply = mDialogs.askPassword();
    switch (reply.closed) {
    case PasswordReply::Closed::Cancel:
        answer.result = convert::PasswordAnswer::Result::Cancel;
        return answer;
    case PasswordReply::Closed::Other:
        answer.result = convert::PasswordAnswer::Result::Closed;
        return answer;
    case PasswordReply::Closed::Ok:
        break;
    }
    answer.result = convert::PasswordAnswer::Result::Ok;
    const QByteArray bytes = common::toCp1252(reply.text);
    answer.text.assign(bytes.constData(), size_t(bytes.size()));
    // A character that the database cannot hold would become "?" and could match a stored
    // "?": a NUL, which no stored password contains, makes such a password plainly wrong.
    if (!common::unencodableCharacters(reply.text).isEmpty())
        answer.text.push_back('\0');
    return answer;
}

} // namespace dorvane
