#include "tests/support/scriptedprompter.h"

#include <gtest/gtest.h>

namespace {

using prompt::Answer;
using prompt::Buttons;
using prompt::Icon;

TEST(ScriptedPrompter, NoticesNeedNoAnswerAndQuestionsTakeQueuedOnes)
{
    testsupport::ScriptedPrompter p;
    p.answer(Answer::No).type(QStringLiteral("abc"));
    EXPECT_EQ(p.message(QStringLiteral("Saved."), QStringLiteral("Info")), Answer::Ok);
    EXPECT_EQ(p.message(QStringLiteral("Delete?"), QStringLiteral("Delete"), Buttons::YesNo,
                        Icon::Question),
              Answer::No);
    EXPECT_EQ(p.input(QStringLiteral("Name?"), QStringLiteral("Title")), QStringLiteral("abc"));
    EXPECT_EQ(p.unanswered(), 0);
    EXPECT_TRUE(p.allAnswersUsed());
    ASSERT_EQ(p.prompts().size(), 3);
    EXPECT_EQ(p.prompts()[1].caption, QStringLiteral("Delete"));
    EXPECT_EQ(p.prompts()[1].icon, Icon::Question);
}

TEST(ScriptedPrompter, UnexpectedPromptsAreCancelledAndCounted)
{
    testsupport::ScriptedPrompter p;
    p.type(QStringLiteral("queued for an input box"));
    EXPECT_EQ(p.message(QStringLiteral("Go?"), QString(), Buttons::OkCancel), Answer::Cancel);
    EXPECT_EQ(p.message(QStringLiteral("Really?"), QString(), Buttons::YesNo), Answer::No);
    EXPECT_TRUE(p.file({}).cancelled());
    EXPECT_EQ(p.unanswered(), 3);
    EXPECT_FALSE(p.allAnswersUsed());
}

} // namespace
