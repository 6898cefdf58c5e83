// Taking the command line apart, and the typing helpers the set commands use.
#include "cli/arguments.h"
#include "cli/typing.h"

#include <gtest/gtest.h>

using namespace tallyman;
using namespace tallyman::cli;

TEST(ParseArguments, GlobalOptionsGoAnywhereAndCommandOptionsKeepTheirOrder)
{
    const Arguments a = parseArguments({ "calc", "--dir", "/tmp/x", "--straight=40", "--user", "Smith",
        "--json", "--ot-2x", "--ot", "-3", "--yes", "--today", "2/29/2024" });
    EXPECT_EQ(a.words, std::vector<std::string> { "calc" });
    EXPECT_EQ(a.dir, "/tmp/x");
    EXPECT_EQ(a.user, "Smith");
    EXPECT_TRUE(a.json);
    EXPECT_TRUE(a.answerYes);
    EXPECT_EQ(a.today, (ui::Date { 2024, 2, 29 }));
    const std::vector<std::pair<std::string, std::string>> options { { "--straight", "40" },
        { "--ot-2x", "" }, { "--ot", "-3" } };
    EXPECT_EQ(a.options, options);
    EXPECT_TRUE(a.has("--ot-2x"));
    EXPECT_FALSE(a.has("--tips"));
}

TEST(ParseArguments, WordsAfterDoubleDashAndNegativeNumbersAreOperands)
{
    const Arguments a
        = parseArguments({ "user", "new", "--", "--odd", "-5", "state", "set", "txtStateAdj=-5" });
    EXPECT_EQ(a.words,
        (std::vector<std::string> { "user", "new", "--odd", "-5", "state", "set", "txtStateAdj=-5" }));
    EXPECT_EQ(parseArguments({ "state", "set", "-.5" }).words.back(), "-.5");
}

TEST(ParseArguments, MalformedCommandLinesAreUsageErrors)
{
    const std::vector<std::vector<std::string>> bad {
        { "calc", "--bogus" },
        { "calc", "-x" },
        { "calc", "--straight" },
        { "--dir" },
        { "--json=1" },
        { "calc", "--ot-2x=yes" },
        { "--today", "13/1/2024" },
        { "--today", "2/29/2023" },
        { "--today", "1/1/24" },
        { "--today", "tomorrow" },
    };
    for (const auto& args : bad)
        EXPECT_THROW(parseArguments(args), UsageError) << args.back();
    EXPECT_TRUE(parseArguments({ "-h" }).help);
    EXPECT_FALSE(parseArguments({ "--no" }).answerYes);
}

TEST(ParseAssignment, TakesNameIndexAndValue)
{
    const Assignment a = parseAssignment("txtStateMinBS[3]=500", "state set");
    EXPECT_EQ(a.name, "txtStateMinBS");
    EXPECT_EQ(a.index, 3);
    EXPECT_EQ(a.value, "500");
    EXPECT_EQ(a.target(), "txtStateMinBS[3]");
    const Assignment b = parseAssignment("Name=A = B", "user set");
    EXPECT_EQ(b.name, "Name");
    EXPECT_FALSE(b.index);
    EXPECT_EQ(b.value, "A = B");
    EXPECT_EQ(parseAssignment("Tax7=", "user set").value, "");
    for (const char* word : { "HourRate", "=5", "x[]=1", "x[a]=1", "x[-1]=1", "x[1=1", "x[1]y=2" })
        EXPECT_THROW(parseAssignment(word, "state set"), UsageError) << word;
}

TEST(Typing, NumberBoxDropsWhatItsFilterDrops)
{
    struct Case {
        const char* text;
        const char* dropped; // nullptr: all kept
    };
    const Case cases[] = { { "40", nullptr }, { " -1.5", nullptr }, { "1-2", nullptr }, { "", nullptr },
        { "12a", "a" }, { "1,250", "," }, { "4€", "€" }, { "$5", "$" } };
    for (const auto& c : cases) {
        const auto dropped = firstDroppedByNumberBox(c.text);
        if (c.dropped) {
            EXPECT_EQ(dropped, c.dropped) << c.text;
        } else {
            EXPECT_FALSE(dropped) << c.text;
        }

        ui::TextBox box;
        box.setNumeric(true);
        box.setText("99");
        EXPECT_EQ(typeInto(box, c.text), dropped) << c.text;
        if (!c.dropped) {
            EXPECT_EQ(box.text(), c.text);
        }
    }
}

TEST(Typing, TextBoxTakesAnyTextAndReplacesTheOld)
{
    ui::TextBox box;
    box.setText("old caption");
    EXPECT_FALSE(typeInto(box, "Crédit, Union"));
    EXPECT_EQ(box.text(), "Crédit, Union");
    EXPECT_FALSE(typeInto(box, ""));
    EXPECT_EQ(box.text(), "");
}

TEST(Typing, ListItemsCheckValuesAndClicks)
{
    ui::ComboBox list;
    list.setItems({ "Single", "Married" });
    EXPECT_EQ(listItem(list, "married"), "Married");
    EXPECT_FALSE(listItem(list, "Divorced"));

    EXPECT_EQ(checkValue("on"), 1);
    EXPECT_EQ(checkValue("0"), 0);
    EXPECT_FALSE(checkValue("2"));

    ui::CheckBox box;
    int clicks = 0;
    box.onClick = [&] { ++clicks; };
    setCheck(box, 1);
    setCheck(box, 1);
    setCheck(box, 0);
    EXPECT_EQ(box.value(), 0);
    EXPECT_EQ(clicks, 2); // only a change clicks
}
