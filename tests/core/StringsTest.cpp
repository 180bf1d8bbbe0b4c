#include "framework/core/Strings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace {

class TChangeCounter : public TObject {
public:
    void Changed(TObject*) { ++Count; }
    int Count = 0;
};

TEST(StringListTest, TextEndsEveryLineWithCrLf) {
    TStringList list;
    EXPECT_EQ(list.Text(), "");
    list.Add("a");
    list.Add("");
    list.Add("b");
    EXPECT_EQ(list.Text(), "a\r\n\r\nb\r\n");
}

TEST(StringListTest, SetTextSplitsAtCrLfCrOrLf) {
    TStringList list;
    list.SetText("one\r\ntwo\rthree\nfour");
    EXPECT_THAT(list.Lines(), ElementsAre("one", "two", "three", "four"));
    list.SetText("a\n\nb");
    EXPECT_THAT(list.Lines(), ElementsAre("a", "", "b"));
    list.SetText("a\r\r\nb");
    EXPECT_THAT(list.Lines(), ElementsAre("a", "", "b"));
}

TEST(StringListTest, TrailingBreakAddsNoEmptyLine) {
    TStringList list;
    list.SetText("a\r\nb\r\n");
    EXPECT_THAT(list.Lines(), ElementsAre("a", "b"));
    list.SetText("\r\n");
    EXPECT_THAT(list.Lines(), ElementsAre(""));
    list.SetText("");
    EXPECT_EQ(list.Count(), 0);
    list.SetText("x\n\n");
    EXPECT_THAT(list.Lines(), ElementsAre("x", ""));
}

TEST(StringListTest, EditingOperations) {
    TStringList list;
    EXPECT_EQ(list.Add("b"), 0);
    EXPECT_EQ(list.Add("d"), 1);
    list.Insert(0, "a");
    list.Insert(2, "c");
    EXPECT_THAT(list.Lines(), ElementsAre("a", "b", "c", "d"));
    list.Put(1, "B");
    list.Delete(3);
    EXPECT_THAT(list.Lines(), ElementsAre("a", "B", "c"));
    EXPECT_EQ(list[1], "B");
    EXPECT_EQ(list.Strings(2), "c");
    EXPECT_EQ(list.IndexOf("b"), 1);
    EXPECT_EQ(list.IndexOf("z"), -1);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(StringListTest, IndexOutsideTheListRaises) {
    TStringList list;
    list.Add("x");
    EXPECT_THROW(list.Get(1), EStringListError);
    EXPECT_THROW(list.Get(-1), EStringListError);
    EXPECT_THROW(list.Delete(1), EStringListError);
    EXPECT_THROW(list.Insert(2, "y"), EStringListError);
    EXPECT_THROW(list.Put(5, "y"), EStringListError);
}

TEST(StringListTest, AssignCopiesFromAnyStrings) {
    TStringList source;
    source.SetText("x\r\ny");
    TStringList dest;
    dest.Add("old");
    dest.Assign(&source);
    EXPECT_THAT(dest.Lines(), ElementsAre("x", "y"));
    dest.Assign(&dest);
    EXPECT_THAT(dest.Lines(), ElementsAre("x", "y"));
    TComponent component(nullptr);
    EXPECT_THROW(dest.Assign(&component), EConvertError);
}

TEST(StringListTest, OnChangeFiresOncePerChange) {
    TStringList list;
    TChangeCounter counter;
    list.OnChange = TNotifyEvent(&counter, &TChangeCounter::Changed);
    list.Add("a");
    list.Put(0, "b");
    list.Insert(0, "c");
    list.Delete(0);
    list.Clear();
    list.Clear();
    EXPECT_EQ(counter.Count, 5);
}

TEST(StringListTest, OnChangeFiresOnceAtTheOutermostEndUpdate) {
    TStringList list;
    TChangeCounter counter;
    list.OnChange = TNotifyEvent(&counter, &TChangeCounter::Changed);
    list.BeginUpdate();
    list.BeginUpdate();
    list.Add("a");
    list.Add("b");
    list.EndUpdate();
    EXPECT_EQ(counter.Count, 0);
    list.EndUpdate();
    EXPECT_EQ(counter.Count, 1);
    list.BeginUpdate();
    list.EndUpdate();
    EXPECT_EQ(counter.Count, 1);
    list.SetText("x\ny\nz");
    EXPECT_EQ(counter.Count, 2);
}

TEST(StringListTest, HasClassInformation) {
    TStringList list;
    EXPECT_EQ(list.ClassName(), "TStringList");
    EXPECT_TRUE(list.InheritsFrom(TStrings::StaticClass()));
    EXPECT_TRUE(list.InheritsFrom(TPersistent::StaticClass()));
}

} // namespace
