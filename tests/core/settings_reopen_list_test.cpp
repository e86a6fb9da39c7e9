#include <gtest/gtest.h>

#include <string>

#include "settings/reopen_list.h"
#include "settings/settings_file.h"

using dorvex::settings::kSectionReOpen;
using dorvex::settings::ReadReOpenList;
using dorvex::settings::ReOpenList;
using dorvex::settings::SettingsFile;
using dorvex::settings::WriteReOpenList;

namespace {

std::string Nth(int i) { return "/data/h" + std::to_string(i) + ".dis"; }

TEST(ReOpenList, AddPutsTheNewestFirstAndSelectsIt) {
  ReOpenList list;
  list.Add("/data/a.dis", "1.00", "10");
  list.Add("/data/b.dis", "1.00", "20");
  ASSERT_EQ(list.Entries().size(), 2u);
  EXPECT_EQ(list.Entries()[0].path, "/data/b.dis");
  EXPECT_EQ(list.Entries()[0].intervals, "20");
  EXPECT_EQ(list.Entries()[1].path, "/data/a.dis");
  EXPECT_EQ(list.Selected(), 1);
}

TEST(ReOpenList, TheThirtyFirstFileDropsTheOldest) {
  ReOpenList list;
  for (int i = 1; i <= 31; ++i) list.Add(Nth(i), "1.00", "8");
  ASSERT_EQ(list.Entries().size(), 30u);
  EXPECT_EQ(list.Entries().front().path, Nth(31));
  EXPECT_EQ(list.Entries().back().path, Nth(2));
}

TEST(ReOpenList, SameFileAndMultipleChangesNothingAnotherMultipleOrFolderAddsAnEntry) {
  ReOpenList list;
  list.Add("/data/a.dis", "1.00", "10");
  list.Add("/data/b.dis", "1.00", "10");
  list.Select(2);
  // The same file with the same multiple text: known.
  list.Add("/data/a.dis", "1.00", "99");
  ASSERT_EQ(list.Entries().size(), 2u);
  EXPECT_EQ(list.Entries()[0].path, "/data/b.dis");  // not reordered
  EXPECT_EQ(list.Selected(), 2);
  list.Add("/data/a.dis", "2.00", "10");
  ASSERT_EQ(list.Entries().size(), 3u);
  EXPECT_EQ(list.Entries()[0].multiple, "2.00");
  // A file of the same name in another folder is another file.
  list.Add("/elsewhere/a.dis", "1.00", "99");
  ASSERT_EQ(list.Entries().size(), 4u);
  EXPECT_EQ(list.Entries()[0].path, "/elsewhere/a.dis");
}

TEST(ReOpenList, FindComparesTheWholePath) {
  ReOpenList list;
  list.Add("/data/a.dis", "1.00", "10");
  list.Add("/other/a.dis", "2", "12");
  ASSERT_NE(list.Find("/data/a.dis"), nullptr);
  EXPECT_EQ(list.Find("/data/a.dis")->intervals, "10");
  EXPECT_EQ(list.Find("/other/a.dis")->multiple, "2");
  EXPECT_EQ(list.Find("a.dis"), nullptr);
}

TEST(ReOpenList, DeletingTheSelectedEntryMovesTheLaterOnesUp) {
  ReOpenList list;
  for (int i = 1; i <= 3; ++i) list.Add(Nth(i), "1.00", "8");  // h3, h2, h1
  list.Select(2);
  list.DeleteSelected();
  ASSERT_EQ(list.Entries().size(), 2u);
  EXPECT_EQ(list.Entries()[0].path, Nth(3));
  EXPECT_EQ(list.Entries()[1].path, Nth(1));
  EXPECT_EQ(list.Selected(), 0);
}

TEST(ReOpenListFile, RoundTripsNumberedFromZeroAndDropsTheKeysBeyondTheEnd) {
  SettingsFile settings("unused.ini");
  ReOpenList list;
  for (int i = 1; i <= 3; ++i) list.Add(Nth(i), "1.00", std::to_string(i));
  WriteReOpenList(list, settings);
  EXPECT_EQ(settings.ReadInteger(kSectionReOpen, "Celkem ReOpen", -1), 3);
  // The blanks of the key names are part of them.
  EXPECT_EQ(settings.ReadString(kSectionReOpen, "ReOpen soubor  [0]", ""), Nth(3));
  EXPECT_EQ(settings.ReadString(kSectionReOpen, "ReOpen nasobek [2]", ""), "1.00");
  EXPECT_EQ(settings.ReadString(kSectionReOpen, "ReOpen PocInt  [2]", ""), "1");

  list.Select(1);
  list.DeleteSelected();
  WriteReOpenList(list, settings);
  EXPECT_FALSE(settings.HasKey(kSectionReOpen, "ReOpen soubor  [2]"));

  const ReOpenList read = ReadReOpenList(settings);
  ASSERT_EQ(read.Entries().size(), 2u);
  EXPECT_EQ(read.Entries()[0].path, Nth(2));
  EXPECT_EQ(read.Entries()[1].path, Nth(1));
  EXPECT_EQ(read.Entries()[1].intervals, "1");
}

TEST(ReOpenListFile, AMissingOrNegativeCountIsAnEmptyListAndAHugeOneIsCutToThirty) {
  SettingsFile settings("unused.ini");
  EXPECT_TRUE(ReadReOpenList(settings).Entries().empty());
  settings.WriteInteger(kSectionReOpen, "Celkem ReOpen", -4);
  EXPECT_TRUE(ReadReOpenList(settings).Entries().empty());
  settings.WriteInteger(kSectionReOpen, "Celkem ReOpen", 500);
  EXPECT_EQ(ReadReOpenList(settings).Entries().size(), 30u);
}

}  // namespace
