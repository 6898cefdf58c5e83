// Scripted dialog answers, their defaults, and the record of what was shown.
#include "platform/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <vector>

namespace tallyman::ui {
namespace {

Message question(std::string text)
{
    return { { std::move(text) }, "Save?", MessageButtons::YesNo, MessageIcon::Question };
}

struct AnswerCase {
    const char* name;
    std::vector<MessageAnswer> queued;
    std::optional<MessageAnswer> fallback;
    std::vector<MessageAnswer> expected; // one per question asked
};

class ScriptedAnswers : public ::testing::TestWithParam<AnswerCase> { };

TEST_P(ScriptedAnswers, QueueThenDefault)
{
    const auto& c = GetParam();
    ScriptedDialogs dialogs;
    for (auto a : c.queued)
        dialogs.queueAnswer(a);
    if (c.fallback)
        dialogs.setDefaultAnswer(*c.fallback);
    for (std::size_t i = 0; i < c.expected.size(); ++i) {
        // An OK message in between neither takes a scripted answer nor counts as a question.
        EXPECT_EQ(dialogs.message({ { "note" }, "Note", MessageButtons::Ok, MessageIcon::Warning }),
            MessageAnswer::Ok);
        EXPECT_EQ(dialogs.message(question("q")), c.expected[i]) << "question " << i;
    }
    EXPECT_EQ(dialogs.questions().size(), c.expected.size());
    EXPECT_EQ(dialogs.messages().size(), 2 * c.expected.size());
}

using A = MessageAnswer;
INSTANTIATE_TEST_SUITE_P(Answers, ScriptedAnswers,
    ::testing::Values(AnswerCase { "EmptyQueueSaysNo", {}, {}, { A::No, A::No } },
        AnswerCase { "QueueInOrder", { A::Yes, A::No, A::Yes }, {}, { A::Yes, A::No, A::Yes, A::No } },
        AnswerCase { "ConfiguredDefault", { A::No }, A::Yes, { A::No, A::Yes, A::Yes } },
        AnswerCase { "OkInScriptReadsAsNo", { A::Ok }, A::Yes, { A::No, A::Yes } }),
    [](const auto& test) { return std::string(test.param.name); });

TEST(ScriptedDialogs, InputsAndFilesTakeTheQueueThenTheDefault)
{
    ScriptedDialogs dialogs;
    dialogs.queueInput("Smith");
    dialogs.queueFile("Smith.use");
    dialogs.queueFile(std::nullopt);
    EXPECT_EQ(dialogs.unusedAnswers(), 3u);
    EXPECT_EQ(dialogs.inputBox("Enter new user:", "File New", "NAME"), "Smith");
    EXPECT_EQ(dialogs.inputBox("Enter new user:", "File New", "NAME"), "");
    dialogs.setDefaultInput("Jones");
    EXPECT_EQ(dialogs.inputBox("Enter new user:", "File New"), "Jones");
    EXPECT_EQ(dialogs.inputs()[1].defaultText, "NAME");

    EXPECT_EQ(dialogs.openFile("Open", "Saved Files (*.use)|*.use"), "Smith.use");
    EXPECT_EQ(dialogs.openFile("Open", "Saved Files (*.use)|*.use"), std::nullopt);
    EXPECT_EQ(dialogs.openFile("Open", "Saved Files (*.use)|*.use"), std::nullopt);
    dialogs.setDefaultFile("x.prv");
    EXPECT_EQ(dialogs.openFile("Open", "Saved Files (*.prv)|*.prv"), "x.prv");
    EXPECT_EQ(dialogs.fileRequests().size(), 4u);
    EXPECT_EQ(dialogs.unusedAnswers(), 0u);
}

struct DateCase {
    const char* name;
    std::function<void(ScriptedDialogs&)> script;
    std::vector<Date> reported;
    std::optional<Date> result;
};

class ScriptedDates : public ::testing::TestWithParam<DateCase> { };

TEST_P(ScriptedDates, PickerReportsAndAnswers)
{
    const auto& c = GetParam();
    ScriptedDialogs dialogs;
    c.script(dialogs);
    std::vector<Date> reported;
    const Date start { 2026, 12, 9 };
    EXPECT_EQ(dialogs.pickDateLive(start, [&](const Date& d) { reported.push_back(d); }), c.result);
    EXPECT_EQ(reported, c.reported);
    ASSERT_EQ(dialogs.dateRequests().size(), 1u);
    EXPECT_EQ(dialogs.dateRequests()[0], start);
}

INSTANTIATE_TEST_SUITE_P(Dates, ScriptedDates,
    ::testing::Values(DateCase { "Confirmed",
                          [](ScriptedDialogs& d) {
                              d.queueDate(Date { 2026, 12, 11 });
                          },
                          { { 2026, 12, 11 } }, Date { 2026, 12, 11 } },
        DateCase { "ClosedWithoutOk",
            [](ScriptedDialogs& d) {
                d.queueDateClosed({ 2026, 1, 2 });
            },
            { { 2026, 1, 2 } }, std::nullopt },
        DateCase { "Cancelled", [](ScriptedDialogs& d) { d.queueDate(std::nullopt); }, {}, std::nullopt },
        DateCase { "EmptyQueueCancels", [](ScriptedDialogs&) {}, {}, std::nullopt },
        DateCase { "DefaultDate",
            [](ScriptedDialogs& d) {
                d.setDefaultDate(Date { 2027, 3, 4 });
            },
            { { 2027, 3, 4 } }, Date { 2027, 3, 4 } }),
    [](const auto& test) { return std::string(test.param.name); });

TEST(ScriptedDialogs, PlainPickDateUsesTheSameScript)
{
    ScriptedDialogs dialogs;
    dialogs.queueDateClosed({ 2026, 5, 6 });
    dialogs.queueDate(Date { 2026, 5, 7 });
    EXPECT_EQ(dialogs.pickDate({ 2026, 1, 1 }), std::nullopt);
    EXPECT_EQ(dialogs.pickDate({ 2026, 1, 1 }), (Date { 2026, 5, 7 }));
}

TEST(ScriptedDialogs, LogShowsEveryDialogWithItsAnswer)
{
    ScriptedDialogs dialogs;
    dialogs.queueAnswer(MessageAnswer::Yes);
    dialogs.queueInput("Smith");
    dialogs.queueDate(Date { 2026, 12, 11 });
    dialogs.message(question("     SAVE USER'S SETTINGS?"));
    dialogs.message({ { "Federal Table", "not found" }, "Error", MessageButtons::Ok, MessageIcon::Warning });
    dialogs.inputBox("Enter new user:", "File New");
    dialogs.openFile("Open", "Saved Files (*.use)|*.use");
    dialogs.pickDate({ 2026, 12, 9 });
    dialogs.showHelp("index");
    const std::vector<std::string> expected {
        "question \"Save?\": \"     SAVE USER'S SETTINGS?\" -> Yes",
        "message \"Error\": \"Federal Table\" / \"not found\"",
        "input \"File New\": \"Enter new user:\" -> \"Smith\"",
        "openFile \"Open\" \"Saved Files (*.use)|*.use\" -> cancelled",
        "pickDate 2026-12-09 -> 2026-12-11",
        "help \"index\"",
    };
    EXPECT_EQ(dialogs.log(), expected);
    EXPECT_EQ(dialogs.helpTopics(), std::vector<std::string> { "index" });
}

} // namespace
} // namespace tallyman::ui
