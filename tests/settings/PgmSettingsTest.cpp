#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "settings/IniText.h"
#include "settings/PgmSettings.h"
#include "support/TempFolder.h"

namespace sumcraft {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

class PgmSettingsTest : public ::testing::Test {
protected:
  std::string DataFolder() const { return folder_.File("share/Sumcraft"); }
  TempFolder folder_;
};

TEST_F(PgmSettingsTest, FirstRunCreatesTheFolderAndReadsDefaultsUntilTheFirstWrite) {
  TPgmSettings settings(DataFolder());
  EXPECT_TRUE(fs::is_directory(DataFolder()));
  EXPECT_EQ(settings.DataFolder(), DataFolder() + "/");
  EXPECT_EQ(settings.FileName(), DataFolder() + "/SumcraftSettings.ini");
  EXPECT_EQ(settings.ReadInteger("AdditionSettings", "FirstTermType", 3), 3);
  EXPECT_TRUE(settings.ReadBool("AdditionSettings", "Regrouping", true));
  EXPECT_EQ(settings.ReadString("MultiplySettings", "TimesTable", "000X"), "000X");
  EXPECT_FALSE(fs::exists(settings.FileName()));

  settings.WriteInteger("AdditionSettings", "FirstTermType", 2);
  settings.WriteBool("AdditionSettings", "Regrouping", false);
  settings.WriteString("MultiplySettings", "TimesTable", "0101");
  settings.WriteInteger("AdditionSettings", "Orientation", -1);
  EXPECT_EQ(ReadBytes(settings.FileName()),
            "[AdditionSettings]\nFirstTermType=2\nRegrouping=0\nOrientation=-1\n\n[MultiplySettings]\nTimesTable=0101\n");
}

TEST_F(PgmSettingsTest, EveryWriteIsSeenByTheNextReadAnywhere) {
  TPgmSettings writer(DataFolder());
  TPgmSettings reader(DataFolder());
  writer.WriteInteger("GraphSettings", "GraphType", 1);
  EXPECT_EQ(reader.ReadInteger("GraphSettings", "GraphType", 0), 1);
  writer.WriteInteger("GraphSettings", "GraphType", 0);
  EXPECT_EQ(reader.ReadInteger("GraphSettings", "GraphType", 1), 0);
  writer.WriteInteger("GraphSettings", "Low", std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(reader.ReadInteger("GraphSettings", "Low", 0), std::numeric_limits<std::int32_t>::min());
  writer.WriteBool("GraphSettings", "On", true);
  EXPECT_TRUE(reader.ReadBool("GraphSettings", "On", false));
  writer.WriteString("GraphSettings", "Title", "Caf\xE9 sales");
  EXPECT_EQ(reader.ReadString("GraphSettings", "Title", ""), "Caf\xE9 sales");
}

TEST_F(PgmSettingsTest, BadOrMissingValuesGiveTheDefault) {
  TPgmSettings settings(DataFolder());
  WriteBytes(settings.FileName(),
             "[S]\r\nWord=abc\r\nTwo=2\r\nZero=0\r\nEmpty=\r\nHuge=99999999999\r\nHex=0x10\r\nSpaced=  42  \r\n"
             "Minus=-7\r\nHalf=1.5\r\n");
  EXPECT_EQ(settings.ReadInteger("S", "Word", 9), 9);
  EXPECT_EQ(settings.ReadInteger("S", "Empty", 9), 9);
  EXPECT_EQ(settings.ReadInteger("S", "Huge", 9), 9);
  EXPECT_EQ(settings.ReadInteger("S", "Hex", 9), 9);
  EXPECT_EQ(settings.ReadInteger("S", "Half", 9), 9);
  EXPECT_EQ(settings.ReadInteger("S", "Spaced", 9), 42);
  EXPECT_EQ(settings.ReadInteger("S", "Minus", 9), -7);
  EXPECT_EQ(settings.ReadInteger("S", "Absent", 9), 9);
  EXPECT_EQ(settings.ReadInteger("Absent", "Two", 9), 9);

  EXPECT_TRUE(settings.ReadBool("S", "Two", false));
  EXPECT_TRUE(settings.ReadBool("S", "Minus", false));
  EXPECT_FALSE(settings.ReadBool("S", "Zero", true));
  EXPECT_TRUE(settings.ReadBool("S", "Word", true));
  EXPECT_FALSE(settings.ReadBool("S", "Word", false));
  EXPECT_TRUE(settings.ReadBool("S", "Absent", true));

  EXPECT_EQ(settings.ReadString("S", "Empty", "def"), "");  // present, though empty
  EXPECT_EQ(settings.ReadString("S", "Absent", "def"), "def");
}

TEST_F(PgmSettingsTest, NamesMatchWithoutCaseAndTheFirstOccurrenceCounts) {
  TPgmSettings settings(DataFolder());
  WriteBytes(settings.FileName(),
             "Key=before any section\n; comment\n[other]\nKey=1\n[ Money Settings ]\n ;Key=2\n  key = 3 \nKEY=4\n"
             "[money settings]\nKey=5\n");
  EXPECT_EQ(settings.ReadInteger("MONEY SETTINGS", "Key", 0), 3);
  EXPECT_EQ(settings.ReadInteger("nowhere", "Key", 0), 0);
}

TEST_F(PgmSettingsTest, WritingKeepsEverythingElseInTheFile) {
  TPgmSettings settings(DataFolder());
  WriteBytes(settings.FileName(), "; my notes\r\n[A]\r\nx=1\r\ny=2\r\n\r\n[B]\r\nz=3\r\n");
  settings.WriteInteger("a", "Y", 20);
  settings.WriteInteger("A", "w", 0);
  settings.WriteString("C", "text", "two\nlines");
  EXPECT_EQ(ReadBytes(settings.FileName()), "; my notes\n[A]\nx=1\nY=20\nw=0\n\n[B]\nz=3\n\n[C]\ntext=two lines\n");
}

TEST_F(PgmSettingsTest, AFolderThatCannotBeMadeGivesDefaultsAndWriteErrors) {
  WriteBytes(folder_.File("blocker"), "a file where a folder should be");
  TPgmSettings settings(folder_.File("blocker/Sumcraft"));
  EXPECT_EQ(settings.ReadInteger("S", "K", 5), 5);
  try {
    settings.WriteInteger("S", "K", 6);
    FAIL() << "the write was reported as done";
  } catch (const SettingsWriteError& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + folder_.File("blocker/Sumcraft/SumcraftSettings.ini"));
  }
}

TEST_F(PgmSettingsTest, AnUnreadableSettingsFileIsNeverReplaced) {
  TPgmSettings settings(DataFolder());
  fs::create_directory(settings.FileName());  // something we cannot read as a file
  WriteBytes(settings.FileName() + "/keep", "x");
  EXPECT_EQ(settings.ReadString("S", "K", "d"), "d");
  EXPECT_THROW(settings.WriteString("S", "K", "v"), SettingsWriteError);
  EXPECT_EQ(ReadBytes(settings.FileName() + "/keep"), "x");
}

TEST_F(PgmSettingsTest, AReadOnlySettingsFileIsNeverReplaced) {
  TPgmSettings settings(DataFolder());
  settings.WriteString("S", "K", "old");
  fs::permissions(settings.FileName(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_THROW(settings.WriteString("S", "K", "new"), SettingsWriteError);
  EXPECT_EQ(settings.ReadString("S", "K", "d"), "old");
}

TEST_F(PgmSettingsTest, WhatTheWriterWritesTheReaderReads) {
  const std::size_t cap = TPgmSettings::kMaxFileSize;
  struct Case {
    const char* what;
    std::string text;
    bool written;
  };
  const Case cases[] = {
      {"blank lines up to the limit", "[S]\nA=1\n" + std::string(cap - 8, '\n'), true},
      {"blank lines with CRs", "[S]\r\nA=1\r\n" + std::string((cap - 10) / 2 * 2, '\r'), true},
      {"values that fill the limit", "[S]\nA=" + std::string(cap - 7, 'v') + "\n", false},
      {"a file beyond the limit", "[S]\nA=1\n" + std::string(cap, '\n'), false},
  };
  for (const Case& c : cases) {
    TPgmSettings settings(DataFolder());
    WriteBytes(settings.FileName(), c.text);
    if (c.written) {
      ASSERT_NO_THROW(settings.WriteString("S", "K", "new")) << c.what;
      EXPECT_LE(ReadBytes(settings.FileName()).size(), cap) << c.what;
      EXPECT_EQ(settings.ReadString("S", "K", "d"), "new") << c.what;
      EXPECT_EQ(settings.ReadInteger("S", "A", 0), 1) << c.what;
    } else {
      EXPECT_THROW(settings.WriteString("S", "K", "new"), SettingsWriteError) << c.what;
      EXPECT_EQ(ReadBytes(settings.FileName()), c.text) << c.what;
    }
  }
}

TEST_F(PgmSettingsTest, SeveralKeysAreWrittenAllOrNone) {
  TPgmSettings settings(DataFolder());
  settings.WriteValues("S", {{"A", "1"}, {"B", "2"}});
  const std::string before = ReadBytes(settings.FileName());
  EXPECT_EQ(before, "[S]\nA=1\nB=2\n");
  EXPECT_THROW(settings.WriteValues("S", {{"A", "3"}, {"B", std::string(TPgmSettings::kMaxFileSize, 'v')}}),
               SettingsWriteError);
  EXPECT_EQ(ReadBytes(settings.FileName()), before);
  EXPECT_EQ(settings.ReadValues("S", {"b", "C", "A"}),
            (std::vector<std::optional<std::string>>{"2", std::nullopt, "1"}));
}

TEST(IniTextTest, RejectsNamesThatWouldBreakTheFile) {
  TIniText ini("");
  EXPECT_THROW(ini.Set("A]B", "k", "v"), std::invalid_argument);
  EXPECT_THROW(ini.Set("A", "k=1", "v"), std::invalid_argument);
  EXPECT_THROW(ini.Set("A", "k\n[B]", "v"), std::invalid_argument);
  EXPECT_THROW(ini.Set(" ", "k", "v"), std::invalid_argument);
  EXPECT_THROW(ini.Set("A", "", "v"), std::invalid_argument);
  ini.Set("A", "k", "a=b");
  EXPECT_EQ(ini.Value("A", "k"), "a=b");
}

}  // namespace
}  // namespace sumcraft
