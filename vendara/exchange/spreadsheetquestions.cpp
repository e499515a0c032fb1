#include "spreadsheetquestions.h"

#include "exchangetexts.h"

#include "common/prompt/prompter.h"

namespace vendara {

bool SpreadsheetQuestions::askUpdate(prompt::Prompter &prompter, From from)
{
    return prompter.message(
               from == From::Toolbar ? texts::updateQuestionToolbar() : texts::updateQuestionMenu(),
               texts::updateQuestionCaption(), prompt::Buttons::YesNo, prompt::Icon::Question)
           == prompt::Answer::Yes;
}

bool SpreadsheetQuestions::askExport(prompt::Prompter &prompter, From from)
{
    return prompter.message(
               from == From::Toolbar ? texts::exportQuestionToolbar() : texts::exportQuestionMenu(),
               texts::exportQuestionCaption(), prompt::Buttons::YesNo, prompt::Icon::Question)
           == prompt::Answer::Yes;
}

} // namespace vendara
