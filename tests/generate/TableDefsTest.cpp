#include <gtest/gtest.h>

#include <set>
#include <string>

#include "generate/TableDefs.h"
#include "support/TempFolder.h"

namespace sumcraft {
namespace {

using test::TempFolder;
using test::WriteBytes;

class TableDefsTest : public ::testing::Test {
protected:
  const TTableDefs& LoadText(const std::string& text) {
    const std::string path = folder_.File(kTableTemplatesFileName);
    WriteBytes(path, text);
    defs_.Load(path);
    return defs_;
  }

  TempFolder folder_;
  TTableDefs defs_;
};

TEST_F(TableDefsTest, ReadsEveryKeyOfATemplate) {
  const TTableDefs& defs = LoadText(
      "BEGIN TABLEDEF\r\nDEFNAME=Apples picked\r\nITEMCAPTION=Name\r\nDATACAPTION=Apples\r\nITEMNAME=apples\r\n"
      "ACTION=picked\r\nPROBLEMDATATYPE=1\r\nPREDICATE=by students in Mr. Jones' class.\r\nTABLENAME0=Alice\r\n"
      "TABLENAME1=Bob\r\nTABLENAME2=Carol\r\nTABLENAME3=David\r\nUSEITEMNAME=YES\r\nEND TABLEDEF\r\n");
  ASSERT_EQ(defs.Count(), 1u);
  const TTableDef& d = defs.Item(0);
  EXPECT_EQ(d.DefName, "Apples picked");
  EXPECT_EQ(d.ItemCaption, "Name");
  EXPECT_EQ(d.DataCaption, "Apples");
  EXPECT_EQ(d.ItemName, "apples");
  EXPECT_EQ(d.Action, "picked");
  EXPECT_EQ(d.ProblemDataType, 1);
  EXPECT_EQ(d.Predicate, "by students in Mr. Jones' class.");
  EXPECT_EQ(d.TableName0, "Alice");
  EXPECT_EQ(d.TableName1, "Bob");
  EXPECT_EQ(d.TableName2, "Carol");
  EXPECT_EQ(d.TableName3, "David");
  EXPECT_TRUE(d.UseItemName);
  EXPECT_EQ(d.DisplayText(), "apples picked");
  EXPECT_TRUE(defs.Problems().empty());
}

TEST_F(TableDefsTest, ValuesAreKeptAsTheyStandAndKeysMustMatchExactly) {
  const TTableDefs& defs = LoadText(
      "BEGIN TABLEDEF\nITEMNAME= pears \nACTION=sold=bought\nitemcaption=lower\n ITEMCAPTION=padded\n"
      "DATACAPTION=first\nDATACAPTION=second\njust a line\nTABLENAME0=\xC9lodie\nEND TABLEDEF\n");
  ASSERT_EQ(defs.Count(), 1u);
  const TTableDef& d = defs.Item(0);
  EXPECT_EQ(d.ItemName, " pears ");
  EXPECT_EQ(d.Action, "sold=bought");
  EXPECT_EQ(d.ItemCaption, "");
  EXPECT_EQ(d.DataCaption, "second");
  EXPECT_EQ(d.TableName0, "\xC9lodie");
  EXPECT_EQ(d.ProblemDataType, 0);  // absent: the new template's 0
  EXPECT_TRUE(d.UseItemName);       // absent: true
}

TEST_F(TableDefsTest, UseItemNameIsFalseOnlyForNoInAnyCase) {
  const TTableDefs& defs = LoadText(
      "BEGIN TABLEDEF\nUSEITEMNAME=no\nEND TABLEDEF\nBEGIN TABLEDEF\nUSEITEMNAME=No\nEND TABLEDEF\n"
      "BEGIN TABLEDEF\nUSEITEMNAME=No thanks\nEND TABLEDEF\nBEGIN TABLEDEF\nUSEITEMNAME=\nEND TABLEDEF\n"
      "BEGIN TABLEDEF\nUSEITEMNAME=yes\nEND TABLEDEF\n");
  ASSERT_EQ(defs.Count(), 5u);
  EXPECT_FALSE(defs.Item(0).UseItemName);
  EXPECT_FALSE(defs.Item(1).UseItemName);
  EXPECT_TRUE(defs.Item(2).UseItemName);
  EXPECT_TRUE(defs.Item(3).UseItemName);
  EXPECT_TRUE(defs.Item(4).UseItemName);
}

TEST_F(TableDefsTest, OnlyExactBeginAndEndLinesCountAndEverythingOutsideIsIgnored) {
  const TTableDefs& defs = LoadText(
      "ITEMNAME=outside\nBEGIN TABLEDEF \nITEMNAME=not started\nbegin tabledef\n"
      "BEGIN TABLEDEF\nITEMNAME=first\nEND TABLEDEF \nACTION=still inside\nEND TABLEDEF\n"
      "ACTION=between\nBEGIN TABLEDEF\nITEMNAME=second\nBEGIN TABLEDEF\nACTION=same template\nEND TABLEDEF\n");
  ASSERT_EQ(defs.Count(), 2u);
  EXPECT_EQ(defs.Item(0).ItemName, "first");
  EXPECT_EQ(defs.Item(0).Action, "still inside");
  EXPECT_EQ(defs.Item(1).ItemName, "second");
  EXPECT_EQ(defs.Item(1).Action, "same template");
}

TEST_F(TableDefsTest, ATemplateCutOffByTheEndOfTheFileStays) {
  const TTableDefs& defs = LoadText("BEGIN TABLEDEF\nITEMNAME=kites\nACTION=flown");
  ASSERT_EQ(defs.Count(), 1u);
  EXPECT_EQ(defs.Item(0).ItemName, "kites");
  EXPECT_EQ(defs.Item(0).Action, "flown");
}

TEST_F(TableDefsTest, ABadDataTypeLeavesOutItsTemplateButNotTheOthers) {
  const TTableDefs& defs = LoadText(
      "BEGIN TABLEDEF\nITEMNAME=a\nPROBLEMDATATYPE=one\nEND TABLEDEF\n"
      "BEGIN TABLEDEF\nITEMNAME=b\nPROBLEMDATATYPE= 1 \nEND TABLEDEF\n"
      "BEGIN TABLEDEF\nITEMNAME=c\nPROBLEMDATATYPE=x\nPROBLEMDATATYPE=0\nEND TABLEDEF\n"
      "BEGIN TABLEDEF\nITEMNAME=d\nPROBLEMDATATYPE=257\nEND TABLEDEF\n"
      "BEGIN TABLEDEF\nITEMNAME=e\nPROBLEMDATATYPE=99999999999\nEND TABLEDEF\n");
  ASSERT_EQ(defs.Count(), 3u);
  EXPECT_EQ(defs.Item(0).ItemName, "b");
  EXPECT_EQ(defs.Item(0).ProblemDataType, 1);
  EXPECT_EQ(defs.Item(1).ItemName, "c");  // a later good value counts
  EXPECT_EQ(defs.Item(1).ProblemDataType, 0);
  EXPECT_EQ(defs.Item(2).ProblemDataType, 1);  // low 8 bits of 257
  ASSERT_EQ(defs.Problems().size(), 2u);
  EXPECT_NE(defs.Problems()[0].find(std::string(kTableTemplatesFileName) + ", line 3"), std::string::npos)
      << defs.Problems()[0];
  EXPECT_NE(defs.Problems()[1].find(", line 20"), std::string::npos) << defs.Problems()[1];
}

TEST_F(TableDefsTest, LoadStartsAfreshAndAMissingFileGivesAnEmptyList) {
  LoadText("BEGIN TABLEDEF\nITEMNAME=a\nEND TABLEDEF\nBEGIN TABLEDEF\nITEMNAME=a\nEND TABLEDEF\n");
  EXPECT_EQ(defs_.Count(), 2u);  // equal display texts are both kept
  LoadText("BEGIN TABLEDEF\nEND TABLEDEF\n");
  EXPECT_EQ(defs_.Count(), 1u);
  defs_.Load(folder_.File("missing.tdf"));
  EXPECT_EQ(defs_.Count(), 0u);
  EXPECT_TRUE(defs_.Problems().empty());
}

TEST_F(TableDefsTest, AFileWithoutAnyUsableTemplateIsReported) {
  struct Case {
    const char* text;
    std::size_t problems;  // the last one names the missing templates
  };
  const Case cases[] = {{"", 1},
                        {"ITEMNAME=outside\nbegin tabledef\n", 1},
                        {"BEGIN TABLEDEF\nPROBLEMDATATYPE=one\nEND TABLEDEF\n", 2},
                        {"BEGIN TABLEDEF\nEND TABLEDEF\n", 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    LoadText(c.text);
    ASSERT_EQ(defs_.Problems().size(), c.problems);
    if (c.problems > 0) {
      EXPECT_NE(defs_.Problems().back().find("no usable template"), std::string::npos);
    }
  }
}

TEST_F(TableDefsTest, UnreadableFilesNeverStopTheProgram) {
  defs_.Load(folder_.Path().string());  // a folder, not a file
  EXPECT_EQ(defs_.Count(), 0u);
  EXPECT_EQ(defs_.Problems().size(), 1u);

  std::string binary;
  for (int i = 0; i < 5000; ++i) binary += static_cast<char>((i * 7919) % 256);
  LoadText("BEGIN TABLEDEF\n" + binary + "\nEND TABLEDEF\n" + binary);
  EXPECT_EQ(defs_.Count(), 1u);
}

TEST_F(TableDefsTest, HugeFilesAreCutToTheLimitsAndSaySo) {
  const std::string longName(std::size_t{1} << 20, 'a');
  std::string text = "BEGIN TABLEDEF\nITEMNAME=" + longName + "\nACTION=picked\nEND TABLEDEF\n";
  for (std::size_t i = 0; i < TTableDefs::kMaxTemplates + 5; ++i) text += "BEGIN TABLEDEF\nACTION=x\nEND TABLEDEF\n";
  const TTableDefs& defs = LoadText(text);
  ASSERT_EQ(defs.Count(), TTableDefs::kMaxTemplates);
  EXPECT_EQ(defs.Item(0).ItemName, longName.substr(0, TTableDefs::kMaxTextLength));
  EXPECT_EQ(defs.Item(0).Action, "picked");
  ASSERT_EQ(defs.Problems().size(), 2u);
  EXPECT_NE(defs.Problems()[0].find("line 2: a text longer than 4096 bytes"), std::string::npos) << defs.Problems()[0];
  EXPECT_NE(defs.Problems()[1].find("only the first 1000 templates"), std::string::npos) << defs.Problems()[1];
}

TEST(ShippedTableTemplatesTest, AreManyWellFormedAndOfBothDataTypes) {
  TTableDefs defs;
  defs.Load(SUMCRAFT_DEFAULTS "/TableTemplates.tdf");
  EXPECT_TRUE(defs.Problems().empty());
  ASSERT_GE(defs.Count(), 16u);
  int people = 0, kinds = 0;
  std::set<std::string> displayTexts;
  for (std::size_t i = 0; i < defs.Count(); ++i) {
    const TTableDef& d = defs.Item(i);
    SCOPED_TRACE(d.DefName);
    (d.ProblemDataType == 1 ? people : kinds) += 1;
    EXPECT_LE(d.ProblemDataType, 1);
    EXPECT_TRUE(displayTexts.insert(d.DisplayText()).second) << "listed twice";
    for (const std::string* text : {&d.DefName, &d.ItemCaption, &d.DataCaption, &d.ItemName, &d.Action, &d.Predicate}) {
      EXPECT_FALSE(text->empty());
      EXPECT_EQ(text->front() == ' ' || text->back() == ' ', false) << *text;
    }
    EXPECT_EQ(d.Predicate.back(), '.');
    for (const std::string* name : {&d.TableName0, &d.TableName1, &d.TableName2, &d.TableName3}) {
      EXPECT_FALSE(name->empty());
      EXPECT_LE(name->size(), 10u) << *name;  // the quiz file keeps ten characters
    }
  }
  EXPECT_GE(people, 6);
  EXPECT_GE(kinds, 6);
}

}  // namespace
}  // namespace sumcraft
