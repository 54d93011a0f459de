#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <string>
#include <vector>

#include "toolkit/Exceptions.h"
#include "toolkit/Memo.h"
#include "toolkit/StringList.h"

namespace {
using Lines = std::vector<std::string>;
}

TEST(StringList, SetTextSplitsAtCrLfLfAndCr)
{
    struct Case {
        const char* text;
        Lines expected;
    };
    const Case cases[] = {
        {"a\r\nb\r\nc", {"a", "b", "c"}},
        {"a\nb\nc\n", {"a", "b", "c"}},
        {"a\rb\r", {"a", "b"}},
        {"x\r\ny\nz\rw", {"x", "y", "z", "w"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"\r\n", {""}},
        {"\n\n", {"", ""}},
        {"only", {"only"}},
        {"", {}},
    };
    for (const Case& c : cases) {
        TStringList list;
        list.Add("old");
        int changes = 0;
        list.OnChange = [&] { ++changes; };
        list.SetText(c.text);
        EXPECT_EQ(list.Lines(), c.expected) << testing::PrintToString(std::string(c.text));
        EXPECT_EQ(changes, 1);
    }
}

TEST(StringList, TextEndsEveryLineWithCrLfAndReadsBackTheSame)
{
    TStringList list;
    EXPECT_EQ(list.Text(), "");
    list.Add("first");
    list.Add("");
    list.Add("third");
    EXPECT_EQ(list.Text(), "first\r\n\r\nthird\r\n");
    TStringList again;
    again.SetText(list.Text());
    EXPECT_EQ(again.Lines(), list.Lines());
}

TEST(StringList, EditingOutsideTheListIsAnError)
{
    TStringList list;
    list.Add("a");
    EXPECT_THROW(list.Put(1, "x"), Exception);
    EXPECT_THROW(list.Put(-1, "x"), Exception);
    EXPECT_THROW(list.Insert(2, "x"), Exception);
    EXPECT_THROW(list.Delete(1), Exception);
    EXPECT_THROW(list.Strings(1), std::out_of_range);
    list.Insert(1, "b");
    list.Insert(0, "z");
    list.Put(1, "A");
    EXPECT_EQ(list.Lines(), (Lines{"z", "A", "b"}));
    list.Delete(0);
    EXPECT_EQ(list.Lines(), (Lines{"A", "b"}));
}

TEST(StringList, AssignCopiesTheLinesAndNotifies)
{
    TStringList source, target;
    source.SetText("one\r\ntwo");
    int changes = 0;
    target.OnChange = [&] { ++changes; };
    target.Assign(source);
    EXPECT_EQ(target.Lines(), (Lines{"one", "two"}));
    EXPECT_EQ(changes, 1);
    source.Add("three");
    EXPECT_EQ(target.Count(), 2);
}

TEST(Memo, ShowsItsLines)
{
    TMemo memo(nullptr);
    auto* edit = static_cast<QPlainTextEdit*>(memo.Handle());
    memo.Lines().Add("Set the jumper");
    memo.Lines().Add("to the left.");
    EXPECT_EQ(memo.DisplayedText(), "Set the jumper\nto the left.");
    EXPECT_EQ(edit->toPlainText().toStdString(), "Set the jumper\nto the left.");

    memo.SetText("a\r\nb\rc");
    EXPECT_EQ(memo.DisplayedText(), "a\nb\nc");
    EXPECT_EQ(memo.Text(), "a\r\nb\r\nc\r\n");

    TStringList copy;
    copy.SetText("copied");
    memo.Lines().Assign(copy);
    EXPECT_EQ(memo.DisplayedText(), "copied");
    memo.Lines().Clear();
    EXPECT_EQ(memo.DisplayedText(), "");
}

TEST(Memo, ReadOnlyAndScrollBarsReachTheWidget)
{
    TMemo memo(nullptr);
    auto* edit = static_cast<QPlainTextEdit*>(memo.Handle());
    EXPECT_FALSE(edit->isReadOnly());
    memo.SetReadOnly(true);
    EXPECT_TRUE(edit->isReadOnly());
    EXPECT_EQ(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    memo.SetScrollBars(ssVertical);
    EXPECT_EQ(edit->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    EXPECT_EQ(edit->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}
