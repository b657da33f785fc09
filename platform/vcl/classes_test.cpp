#include "platform/vcl/classes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pxq::vcl {
namespace {

using Lines = std::vector<std::string>;

TEST(StringList, TextSplitsAtAnyLineEndAndJoinsWithCrLf) {
  TStringList list;
  list.SetText("a\r\nb\nc\rd");
  EXPECT_EQ(list.ToVector(), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(list.Text(), "a\r\nb\r\nc\r\nd\r\n");
  list.SetText("one\r\n\r\n");
  EXPECT_EQ(list.ToVector(), (Lines{"one", ""}));
  list.SetText("");
  EXPECT_EQ(list.Count(), 0);
}

TEST(StringList, CommaTextQuotesWhatNeedsItAndReadsItBack) {
  TStringList list{"plain", "two words", "a,b", "say \"hi\"", ""};
  const std::string text = list.CommaText();
  EXPECT_EQ(text, "plain,\"two words\",\"a,b\",\"say \"\"hi\"\"\",\"\"");
  TStringList back;
  back.SetCommaText(text);
  EXPECT_TRUE(back.Equals(list));
  back.SetCommaText("x, y ,z,");
  EXPECT_EQ(back.ToVector(), (Lines{"x", "y", "z", ""}));
}

TEST(StringList, SortedListsKeepOrderAndHandleDuplicates) {
  TStringList list;
  list.SetSorted(true);
  for (const char* s : {"pear", "Apple", "fig", "apple"}) list.Add(s);
  EXPECT_EQ(list.ToVector(), (Lines{"Apple", "fig", "pear"}));  // duplicates ignored, any case
  EXPECT_EQ(list.IndexOf("PEAR"), 2);
  EXPECT_THROW(list.Insert(0, "x"), EListError);
  list.SetDuplicates(dupError);
  EXPECT_THROW(list.Add("FIG"), EListError);
  list.SetDuplicates(dupAccept);
  list.Add("fig");
  EXPECT_EQ(list.Count(), 4);
  EXPECT_THROW(list.Strings(4), EListError);
  EXPECT_THROW(list.Delete(-1), EListError);
}

TEST(StringList, NamesAndValues) {
  TStringList list{"NTQ002=Corvane", "Sys001=1", "broken"};
  EXPECT_EQ(list.Values("sys001"), "1");
  EXPECT_EQ(list.Names(0), "NTQ002");
  EXPECT_EQ(list.Names(2), "");
  list.SetValue("Sys002", "/");
  list.SetValue("Sys001", "");  // an empty value removes the line
  EXPECT_EQ(list.ToVector(), (Lines{"NTQ002=Corvane", "broken", "Sys002=/"}));
}

TEST(StringList, ChangesAreAnnouncedOnceInsideAnUpdate) {
  TStringList list;
  int changes = 0;
  list.OnChange = [&](TObject*) { ++changes; };
  list.Add("a");
  list.BeginUpdate();
  list.Add("b");
  list.Add("c");
  list.Delete(0);
  list.EndUpdate();
  list.BeginUpdate();
  list.EndUpdate();  // nothing changed
  EXPECT_EQ(changes, 2);
  TStringList other{"x"};
  list.Assign(other);
  EXPECT_EQ(list.ToVector(), Lines{"x"});
  EXPECT_EQ(changes, 3);
}

}  // namespace
}  // namespace pxq::vcl
