// Behaviour of the screen-model controls: key filter, typing, focus, clicks, groups, lists.
#include "platform/controls.h"

#include <gtest/gtest.h>

#include <memory>

namespace tallyman::ui {
namespace {

struct KeyCase {
    bool numeric;
    int key;
    bool kept;
};

class KeyFilter : public ::testing::TestWithParam<KeyCase> { };

TEST_P(KeyFilter, KeepsOnlyNumberKeysInNumberBoxes)
{
    const auto& c = GetParam();
    TextBox box;
    box.setNumeric(c.numeric);
    box.setText("12");
    box.select(2, 0);
    int changes = 0;
    box.onChange = [&] { ++changes; };

    EXPECT_EQ(box.acceptsKey(c.key), c.kept);
    EXPECT_EQ(box.typeKey(c.key), c.kept);
    if (!c.kept) {
        EXPECT_EQ(box.text(), "12");
        EXPECT_EQ(changes, 0);
    } else {
        EXPECT_NE(box.text(), "12");
        EXPECT_EQ(changes, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyFilter,
    ::testing::Values(KeyCase { true, '0', true }, KeyCase { true, '9', true }, KeyCase { true, ' ', true },
        KeyCase { true, '-', true }, KeyCase { true, '.', true }, KeyCase { true, KeyBackspace, true },
        KeyCase { true, 'a', false }, KeyCase { true, 'Z', false }, KeyCase { true, '+', false },
        KeyCase { true, ',', false }, KeyCase { true, '$', false }, KeyCase { true, '/', false },
        KeyCase { true, 0xE9, false }, KeyCase { false, 'a', true }, KeyCase { false, '$', true },
        KeyCase { false, 0xE9, true }));

// Text an edit left in the view: in a number box what arrived is filtered, the rest kept, and
// the caret (a byte position) follows.
TEST(KeptEdit, FiltersWhatArrivedOnly)
{
    const struct {
        bool numeric;
        const char *before, *edited;
        std::size_t caret;
        const char* kept;
        std::size_t keptCaret;
    } cases[] = {
        { true, "4", "4x", 2, "4", 1 },
        { true, "40", "4xq0", 3, "40", 1 },
        { true, "40", "41a 2\u00e90", 7, "41 20", 4 },
        { true, "", "-1.5", 4, "-1.5", 4 },
        { true, "\u00e95", "\u00e95x", 4, "\u00e95", 3 }, // a text set by the program stays
        { true, "12", "", 0, "", 0 },
        { false, "40", "4xq0", 3, "4xq0", 3 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edited);
        TextBox box;
        box.setNumeric(c.numeric);
        box.setText(c.before);
        std::size_t caret = c.caret;
        EXPECT_EQ(box.keptEdit(c.edited, caret), c.kept);
        EXPECT_EQ(caret, c.keptCaret);
    }
}

struct TypeCase {
    const char* name;
    bool numeric;
    const char* text;
    std::size_t selStart;
    std::size_t selLength;
    int key;
    const char* expected;
    std::size_t caret;
};

class Typing : public ::testing::TestWithParam<TypeCase> { };

TEST_P(Typing, ReplacesSelectionOrInsertsAtCaret)
{
    const auto& c = GetParam();
    TextBox box;
    box.setNumeric(c.numeric);
    box.setText(c.text);
    box.select(c.selStart, c.selLength);
    box.typeKey(c.key);
    EXPECT_EQ(box.text(), c.expected);
    EXPECT_EQ(box.selectionStart(), c.caret);
    EXPECT_EQ(box.selectionLength(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Cases, Typing,
    ::testing::Values(TypeCase { "ReplacesWholeSelection", true, "123", 0, 3, '4', "4", 1 },
        TypeCase { "ReplacesPartOfText", true, "123", 1, 1, '9', "193", 2 },
        TypeCase { "AppendsAtEnd", true, "123", 3, 0, '4', "1234", 4 },
        TypeCase { "InsertsInMiddle", true, "123", 1, 0, '.', "1.23", 2 },
        TypeCase { "BackspaceErasesBeforeCaret", true, "123", 3, 0, KeyBackspace, "12", 2 },
        TypeCase { "BackspaceAtStartDoesNothing", true, "123", 0, 0, KeyBackspace, "123", 0 },
        TypeCase { "BackspaceErasesSelection", true, "123", 1, 2, KeyBackspace, "1", 1 },
        TypeCase { "MinusIntoEmptyBox", true, "", 0, 0, '-', "-", 1 },
        TypeCase { "NonAsciiIsUtf8", false, "ab", 2, 0, 0xE9, "ab\xC3\xA9", 4 }),
    [](const auto& test) { return std::string(test.param.name); });

TEST(TextBox, TypingLettersAndDigitsKeepsOnlyDigits)
{
    TextBox box;
    box.setNumeric(true);
    for (const char key : std::string("4a0"))
        box.typeKey(key);
    EXPECT_EQ(box.text(), "40");
}

TEST(TextBox, FocusSelectsWholeTextSoTypingReplacesIt)
{
    TextBox box;
    box.setNumeric(true);
    box.setText("12.5");
    int requests = 0;
    box.onFocusRequested = [&] { ++requests; };
    box.setFocus();
    EXPECT_EQ(requests, 1);
    EXPECT_EQ(box.selectionStart(), 0u);
    EXPECT_EQ(box.selectionLength(), 4u);
    box.typeKey('7');
    EXPECT_EQ(box.text(), "7");
}

TEST(Controls, DisabledControlsIgnoreClicks)
{
    int clicks = 0;
    TextBox box;
    Label label;
    CommandButton button;
    box.onClick = label.onClick = label.onRightClick = button.onClick = [&] { ++clicks; };
    const auto clickAll = [&] {
        box.click();
        label.click();
        label.rightClick();
        button.click();
    };
    clickAll();
    EXPECT_EQ(clicks, 4);
    box.setEnabled(false);
    label.setEnabled(false);
    button.setEnabled(false);
    clickAll();
    EXPECT_EQ(clicks, 4);
}

struct CheckCase {
    int initial;
    int set;
    bool runsClick;
};

class CheckBoxValue : public ::testing::TestWithParam<CheckCase> { };

TEST_P(CheckBoxValue, ClickHandlerRunsOnlyOnChange)
{
    const auto& c = GetParam();
    CheckBox box;
    box.setValue(c.initial);
    int clicks = 0;
    box.onClick = [&] { ++clicks; };
    box.setValue(c.set);
    EXPECT_EQ(box.value(), c.set);
    EXPECT_EQ(clicks, c.runsClick ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Values, CheckBoxValue,
    ::testing::Values(CheckCase { 0, 1, true }, CheckCase { 1, 0, true }, CheckCase { 1, 1, false },
        CheckCase { 0, 0, false }));

TEST(CheckBox, ClickTogglesAndMouseDownIsSeparate)
{
    CheckBox box;
    int clicks = 0;
    int presses = 0;
    box.onClick = [&] { ++clicks; };
    box.onMouseDown = [&] { ++presses; };
    box.mouseDown();
    EXPECT_EQ(box.value(), 0);
    EXPECT_EQ(clicks, 0);
    box.click();
    box.click();
    EXPECT_EQ(box.value(), 0);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(presses, 1);
    box.setEnabled(false);
    box.mouseDown();
    EXPECT_EQ(presses, 1);
}

TEST(OptionButton, SelectingOneClearsTheOthersOfItsGroup)
{
    OptionButton weekly, biWeekly, other;
    const std::vector<OptionButton*> group { &weekly, &biWeekly };
    weekly.setGroup(group);
    biWeekly.setGroup(group);
    int weeklyClicks = 0, biWeeklyClicks = 0, weeklyNotes = 0;
    weekly.onClick = [&] { ++weeklyClicks; };
    biWeekly.onClick = [&] { ++biWeeklyClicks; };
    weekly.listen([&] { ++weeklyNotes; });
    other.click();

    weekly.click();
    EXPECT_TRUE(weekly.selected());
    EXPECT_EQ(weeklyClicks, 1);
    biWeekly.click();
    EXPECT_EQ(weekly.value(), 0);
    EXPECT_EQ(biWeekly.value(), -1);
    EXPECT_EQ(biWeeklyClicks, 1);
    EXPECT_EQ(weeklyNotes, 2); // selected, then cleared
    EXPECT_TRUE(other.selected()); // not in the group

    biWeekly.click(); // already selected: no click handler
    EXPECT_EQ(biWeeklyClicks, 1);
    biWeekly.setValue(0); // clearing from code is not a click
    EXPECT_EQ(biWeeklyClicks, 1);
    EXPECT_FALSE(biWeekly.selected());
}

struct ComboCase {
    const char* text;
    int index;
};

class ComboListIndex : public ::testing::TestWithParam<ComboCase> { };

TEST_P(ComboListIndex, IndexOfTheTextInTheList)
{
    ComboBox combo;
    combo.setItems({ "Single", "Married", "Head of Household" });
    combo.setText(GetParam().text);
    EXPECT_EQ(combo.listIndex(), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(Texts, ComboListIndex,
    ::testing::Values(ComboCase { "Single", 0 }, ComboCase { "Married", 1 },
        ComboCase { "Head of Household", 2 }, ComboCase { "married", -1 }, ComboCase { "Married ", -1 },
        ComboCase { "", -1 }));

TEST(ComboBox, SetListIndexSetsTextOrEmptiesIt)
{
    ComboBox combo;
    combo.setItems({ "Single", "Married" });
    int changes = 0;
    combo.onChange = [&] { ++changes; };
    combo.setListIndex(1);
    EXPECT_EQ(combo.text(), "Married");
    combo.setListIndex(7);
    EXPECT_EQ(combo.text(), "");
    EXPECT_EQ(combo.listIndex(), -1);
    EXPECT_EQ(changes, 2);
}

TEST(Observable, UnlistenAndListenersChangingDuringNotify)
{
    Label label;
    int first = 0, late = 0;
    const auto id = label.listen([&] {
        ++first;
        label.listen([&] { ++late; });
    });
    label.setText("a");
    EXPECT_EQ(first, 1);
    label.unlisten(id);
    label.setText("b");
    EXPECT_EQ(first, 1);
    EXPECT_EQ(late, 1);
}

TEST(Observable, CopyHasNoListenersAndLifetimeEndsWithObject)
{
    auto label = std::make_unique<Label>();
    int notes = 0;
    label->listen([&] { ++notes; });
    Label copy = *label;
    copy.setText("x");
    EXPECT_EQ(notes, 0);
    const auto alive = label->lifetime();
    EXPECT_FALSE(alive.expired());
    label.reset();
    EXPECT_TRUE(alive.expired());
}

TEST(Screen, CloseRequestHidesUnlessHandlerDecidesOtherwise)
{
    Screen plain;
    plain.setShown(true);
    plain.requestClose();
    EXPECT_FALSE(plain.shown());

    Screen asking;
    asking.setShown(true);
    bool mayClose = false;
    asking.onCloseRequested = [&] {
        if (mayClose)
            asking.setShown(false);
    };
    asking.requestClose();
    EXPECT_TRUE(asking.shown());
    mayClose = true;
    asking.requestClose();
    EXPECT_FALSE(asking.shown());
}

} // namespace
} // namespace tallyman::ui
