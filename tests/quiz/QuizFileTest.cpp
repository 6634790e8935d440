#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <initializer_list>
#include <random>
#include <string>

#include "quiz/QuizFile.h"
#include "support/TempFolder.h"

namespace sumcraft {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

std::string Lines(std::initializer_list<std::string_view> lines, std::string_view end = "\r\n") {
  std::string text;
  for (std::string_view line : lines) {
    text += line;
    text += end;
  }
  return text;
}

std::string Written(const TQuiz& quiz) {
  TQuizFileWriter writer;
  WriteQuiz(writer, quiz);
  return writer.Contents();
}

// Reads text as a quiz file into quiz (straight, as LoadFromFile's inner step).
TLoadResult ReadText(const std::string& text, TQuiz& quiz) {
  TLineReader reader("test.qiz", text);
  return ReadQuiz(reader, quiz);
}

TQuiz ReadOk(const std::string& text) {
  TQuiz quiz;
  EXPECT_EQ(ReadText(text, quiz), TLoadResult::Loaded);
  return quiz;
}

const std::string kHead = Lines({"2.0.0.", "QUIZTITLE=Test"});

// A quiz whose one set holds an options section built of the given lines.
std::string WithOptions(std::initializer_list<std::string_view> optionLines) {
  return kHead + Lines({"BEGIN QUESTIONSET", "BEGIN QOPTIONS"}) + Lines(optionLines) +
         Lines({"END QOPTIONS", "END QUESTIONSET"});
}

const TQOptions& OnlyOptions(const TQuiz& quiz) {
  EXPECT_EQ(quiz.Sets.Count(), 1u);
  return quiz.Sets.Item(0).Options;
}

TQuiz ExampleQuiz() {
  TQuiz quiz;
  TQuestionSet set;
  set.Options.FirstTermType = 1;
  set.Options.SecondTermType = 1;
  set.Options.Regrouping = true;
  TQuizQuestion q;
  q.FirstTerm = 47;
  q.SecondTerm = 25;
  set.Add(q);
  quiz.Sets.Add(set);
  return quiz;
}

const std::string kExampleFile = SUMCRAFT_TEST_DATA "/example.qiz";

TEST(QuizFileTest, WritesTheExampleFileByteForByte) {
  EXPECT_EQ(Written(ExampleQuiz()), ReadBytes(kExampleFile));
}

TEST(QuizFileTest, SaveToFileWritesTheExampleAndClearsModified) {
  TempFolder folder;
  TQuiz quiz = ExampleQuiz();
  quiz.FileName = folder.File("example.qiz");
  quiz.Modified = true;
  EXPECT_TRUE(quiz.SaveToFile());
  EXPECT_FALSE(quiz.Modified);
  EXPECT_EQ(ReadBytes(quiz.FileName), ReadBytes(kExampleFile));
}

TEST(QuizFileTest, AQuizWithoutSetsEndsAfterTheFooterLine) {
  TQuiz quiz;
  quiz.QuizTitle = "  Spelling = fun  ";
  const std::string text = Written(quiz);
  EXPECT_NE(text.find("QUIZTITLE=  Spelling = fun  \r\n"), std::string::npos);
  EXPECT_TRUE(text.ends_with("PRINTFOOTERTEXT=NO\r\nFOOTERTEXT=\r\n"));
}

TEST(QuizFileTest, ReadsTheExampleFile) {
  TQuiz quiz;
  quiz.FileName = kExampleFile;
  ASSERT_EQ(quiz.LoadFromFile(), TLoadResult::Loaded);
  const TQuiz expected = ExampleQuiz();
  ASSERT_EQ(quiz.Sets.Count(), 1u);
  EXPECT_EQ(quiz.Sets.Item(0).Options, expected.Sets.Item(0).Options);
  ASSERT_EQ(quiz.Sets.Item(0).Count(), 1u);
  EXPECT_TRUE(quiz.Sets.Item(0).Item(0).SameAs(expected.Sets.Item(0).Item(0)));
  EXPECT_EQ(Written(quiz), ReadBytes(kExampleFile));
}

TQOptions EveryFieldChanged() {
  TQOptions o;
  o.CoinsToUse = 143;
  o.FractionType = 5;
  o.Regrouping = true;
  o.MultiplicationType = 1;
  o.FirstTermType = 4;
  o.UseZero = true;
  o.Operand = ptGraphs;
  o.SecondTermType = 3;
  o.DivisionType = 2;
  o.DividendType = 5;
  o.DivisorType = 3;
  o.AllowRemainders = true;
  o.ComparisonSymbolType = 1;
  o.AllDenominatorsAlike = true;
  o.Orientation = 1;
  o.TableDataCaption = "Books read";
  o.TableItemName = "Pupil";
  o.IncrementCount = -7;
  o.IncrementStepSize = 2147483647;
  o.BarGraphType = 1;
  o.GraphXLegend = "across";
  o.GraphYLegend = "up";
  o.GraphTitle = "My graph = fun";
  o.ActionPredicate = "by the \xE9l\xE8ves of 3B.";
  o.ItemName = "caf\xE9s";
  o.ActionName = "sold";
  o.TableDataType = 0;
  o.TableUseItemName = false;
  o.StartOnNewPage = true;
  o.TimesTable = {7, 6, 5, 4, 3, 2, 1, 0, 1, 2, 3, 4};
  o.TableData = {-999999999, 0, 2147483647, 123456};
  o.TableNames = {"Zo\xEB", "Mary Ann", "A", "0123456789"};
  o.BarGraphData = {5, -5, 1000000, 0};
  return o;
}

TEST(QuizFileTest, EveryFieldOfEverySetOptionAndQuestionSurvivesSaveAndOpen) {
  TempFolder folder;
  TQuiz quiz;
  quiz.FileName = folder.File("all fields.qiz");
  quiz.QuizTitle = " Fractions \xF7 fun = \xBD ";
  quiz.FooterText = "Return by Friday";
  quiz.PrintDateBlank = false;
  quiz.PrintTeacherNameBlank = true;
  quiz.PrintClassNameBlank = true;
  quiz.PrintStudentNameBlank = false;
  quiz.PrintQuizTitle = true;
  quiz.PrintFooterText = true;
  quiz.SkipPrintFirstPageNumber = false;
  quiz.PrintPageNumbers = false;

  TQuestionSet changed;
  changed.Options = EveryFieldChanged();
  for (int i = 0; i < 3; ++i) {
    TQuizQuestion q;
    q.FirstTerm = i == 0 ? -2147483647 - 1 : 2147483647 - i;
    q.SecondTerm = -i;
    q.Operand = static_cast<std::uint8_t>(250 + i);
    q.SymbolType = 1;
    q.FractionProblemType = static_cast<std::uint8_t>(3 + i);
    q.DivisionProblemType = 255;
    q.TableProblemType = static_cast<std::uint8_t>(i);
    changed.Add(q);
  }
  TQuestionSet extremes;
  extremes.Options.Operand = 255;
  extremes.Options.FirstTermType = 255;
  extremes.Options.CoinsToUse = -2147483647 - 1;
  extremes.Options.TimesTable.fill(7);
  TQuestionSet empty;
  empty.Options.Operand = ptTime;
  quiz.Sets.Add(changed);
  quiz.Sets.Add(extremes);
  quiz.Sets.Add(empty);
  ASSERT_TRUE(quiz.SaveToFile());

  TQuiz opened;
  opened.FileName = quiz.FileName;
  ASSERT_EQ(opened.LoadFromFile(), TLoadResult::Loaded);
  EXPECT_EQ(opened.QuizTitle, quiz.QuizTitle);
  EXPECT_EQ(opened.FooterText, quiz.FooterText);
  EXPECT_EQ(opened.PrintDateBlank, false);
  EXPECT_EQ(opened.PrintTeacherNameBlank, true);
  EXPECT_EQ(opened.PrintClassNameBlank, true);
  EXPECT_EQ(opened.PrintStudentNameBlank, false);
  EXPECT_EQ(opened.PrintQuizTitle, true);
  EXPECT_EQ(opened.PrintFooterText, true);
  EXPECT_EQ(opened.SkipPrintFirstPageNumber, false);
  EXPECT_EQ(opened.PrintPageNumbers, false);
  ASSERT_EQ(opened.Sets.Count(), 3u);
  for (std::size_t s = 0; s < 3; ++s) {
    const TQuestionSet& a = quiz.Sets.Item(s);
    const TQuestionSet& b = opened.Sets.Item(s);
    EXPECT_EQ(a.Options, b.Options) << "set " << s;
    ASSERT_EQ(a.Count(), b.Count());
    for (std::size_t q = 0; q < a.Count(); ++q) EXPECT_TRUE(a.Item(q).SameAs(b.Item(q))) << s << "/" << q;
  }
}

TEST(QuizFileTest, FirstLineDecidesWhetherTheFileIsTooOld) {
  for (const char* old : {"", "1.5", "2.0.0", "1.99.9.", "0"}) {
    TQuiz quiz;
    quiz.QuizTitle = "keep";
    quiz.Sets.Add(TQuestionSet{});
    EXPECT_EQ(ReadText(Lines({old, "QUIZTITLE=x"}), quiz), TLoadResult::TooOld) << old;
    EXPECT_EQ(quiz.QuizTitle, "keep");
    EXPECT_EQ(quiz.Sets.Count(), 1u);
  }
  for (const char* accepted : {"2.0.0.", "2.1", "2.0.0.7", "3", "\xFF", "2.0.0. and more"}) {
    TQuiz quiz;
    EXPECT_EQ(ReadText(Lines({accepted, "QUIZTITLE=x"}), quiz), TLoadResult::Loaded) << accepted;
    EXPECT_EQ(quiz.QuizTitle, "x");
  }
  TQuiz quiz;
  EXPECT_EQ(ReadText("", quiz), TLoadResult::Empty);  // not a quiz of an old version: no quiz at all
}

TEST(QuizFileTest, MissingOrOldFilesLeaveTheQuizAsItWas) {
  TempFolder folder;
  TQuiz quiz = ExampleQuiz();
  quiz.QuizTitle = "mine";
  const std::string before = Written(quiz);

  quiz.FileName = folder.File("nothing here.qiz");
  EXPECT_EQ(quiz.LoadFromFile(), TLoadResult::Missing);
  EXPECT_EQ(Written(quiz), before);

  quiz.FileName = folder.File("old.qiz");
  WriteBytes(quiz.FileName, "1.5\r\nQUIZTITLE=old\r\n");
  EXPECT_EQ(quiz.LoadFromFile(), TLoadResult::TooOld);
  EXPECT_EQ(Written(quiz), before);
}

TEST(QuizFileTest, QuizLinesSplitAtTheFirstEqualsAndKeepTheirBlanks) {
  TQuiz quiz = ReadOk(Lines({"2.0.0.", "QUIZTITLE=  a=b = c  ", "FOOTERTEXT= page\tfoot "}));
  EXPECT_EQ(quiz.QuizTitle, "  a=b = c  ");
  EXPECT_EQ(quiz.FooterText, " page\tfoot ");
}

TEST(QuizFileTest, FlagsAreTrueOnlyForUpperCaseYes) {
  TQuiz quiz;
  quiz.PrintTeacherNameBlank = true;
  quiz.PrintQuizTitle = true;
  quiz.PrintFooterText = false;
  ASSERT_EQ(ReadText(Lines({"2.0.0.", "PRINTSTUDENTNAMEBLANK=yes", "PRINTDATEBLANK=", "PRINTCLASSNAMEBLANK=YES",
                            "PRINTQUIZTITLE=Yes", "PRINTFOOTERTEXT=YES"}),
                     quiz),
            TLoadResult::Loaded);
  EXPECT_FALSE(quiz.PrintStudentNameBlank);
  EXPECT_FALSE(quiz.PrintDateBlank);
  EXPECT_TRUE(quiz.PrintClassNameBlank);
  EXPECT_FALSE(quiz.PrintQuizTitle);
  EXPECT_TRUE(quiz.PrintFooterText);
  // Lines that are absent leave their fields alone.
  EXPECT_TRUE(quiz.PrintTeacherNameBlank);
  EXPECT_TRUE(quiz.PrintPageNumbers);
}

TEST(QuizFileTest, AFileWithoutSetsGivesTitleAndOptionsOnly) {
  TQuiz quiz;
  quiz.QuizTitle = "replaced by nothing";
  quiz.Sets.Add(TQuestionSet{});
  ASSERT_EQ(ReadText(Lines({"2.0.0.", "PRINTPAGENUMBERS=NO", "FOOTERTEXT=bye"}), quiz), TLoadResult::Loaded);
  EXPECT_EQ(quiz.Sets.Count(), 0u);
  EXPECT_EQ(quiz.QuizTitle, "");
  EXPECT_FALSE(quiz.PrintPageNumbers);
  EXPECT_EQ(quiz.FooterText, "bye");
}

TEST(QuizFileTest, KeysMatchExactlyAndOtherLinesAreIgnored) {
  TQuiz quiz = ReadOk(WithOptions({"qoperand=5", "QOPERAND =6", " QOPERAND=7", "QOPERAND", "NOSUCHKEY=1",
                                   "just words", "", "QFIRSTTERMTYPE=3"}) +
                      Lines({"quiztitle=no", "random text", "QUIZTITLE"}));
  EXPECT_EQ(quiz.QuizTitle, "Test");
  EXPECT_EQ(OnlyOptions(quiz).Operand, ptAddition);
  EXPECT_EQ(OnlyOptions(quiz).FirstTermType, 3);
}

TEST(QuizFileTest, OptionTextsAreTrimmedFlagsAndTheMixedCaseFlagFollowTheirRules) {
  const TQOptions o = OnlyOptions(ReadOk(WithOptions({
      "QITEMNAME=  kites \t", "QACTIONNAME=\x01" "flown\x1F", "TABLEITEMNAME= Child", "TABLEDATACAPTION=Kites ",
      "QACTIONPREDICATE= in the park. ", "GRAPHTITLE=  ", "GRAPHXLEGEND=\xA0x\xA0", "GRAPHYLEGEND=y",
      "QREGROUPING=Yes", "QUSEZERO=YES", "STARTONNEWPAGE=YES ", "ALLDENOMINATORSALIKE=YES", "QALLOWREMAINDERS=no"})));
  EXPECT_EQ(o.ItemName, "kites");
  EXPECT_EQ(o.ActionName, "flown");
  EXPECT_EQ(o.TableItemName, "Child");
  EXPECT_EQ(o.TableDataCaption, "Kites");
  EXPECT_EQ(o.ActionPredicate, "in the park.");
  EXPECT_EQ(o.GraphTitle, "");
  EXPECT_EQ(o.GraphXLegend, "\xA0x\xA0");  // a Windows-1252 no-break space is not a blank
  EXPECT_EQ(o.GraphYLegend, "y");
  EXPECT_FALSE(o.Regrouping);
  EXPECT_TRUE(o.UseZero);
  EXPECT_FALSE(o.StartOnNewPage);
  EXPECT_TRUE(o.AllDenominatorsAlike);
  EXPECT_FALSE(o.AllowRemainders);

  auto useItemName = [](std::string_view value) {
    const std::string line = "TABLEUSEITEMNAME=" + std::string(value);
    return OnlyOptions(ReadOk(WithOptions({"TABLEUSEITEMNAME=No", line}))).TableUseItemName;
  };
  EXPECT_FALSE(useItemName("no"));
  EXPECT_FALSE(useItemName("NO"));
  EXPECT_FALSE(useItemName("nO"));
  EXPECT_TRUE(useItemName(""));
  EXPECT_TRUE(useItemName("Yes"));
  EXPECT_TRUE(useItemName("No thanks"));
  EXPECT_TRUE(useItemName(" NO"));
}

TEST(QuizFileTest, ByteFieldsKeepTheLowEightBits) {
  const TQuiz quiz = ReadOk(WithOptions({"QOPERAND=266", "QFIRSTTERMTYPE=-1", "QTABLEDATATYPE=512",
                                         "QCOINSTOUSE=-70000"}));
  const TQOptions& o = OnlyOptions(quiz);
  EXPECT_EQ(o.Operand, ptTables);
  EXPECT_EQ(o.FirstTermType, 255);
  EXPECT_EQ(o.TableDataType, 0);
  EXPECT_EQ(o.CoinsToUse, -70000);  // a 32-bit field keeps the whole number
  EXPECT_NE(Written(quiz).find("QOPERAND=10\r\n"), std::string::npos);
}

TEST(QuizFileTest, FixedWidthFieldsAreCutTrimmedAndPadded) {
  TQuiz quiz;
  TQuestionSet set;
  set.Options.TableNames = {"Christopher", "Bo", "Maximiliana", ""};
  quiz.Sets.Add(set);
  const std::string text = Written(quiz);
  EXPECT_NE(text.find("QTABLENAMES=ChristopheBo        Maximilian          \r\n"), std::string::npos);
  const TQOptions o = OnlyOptions(ReadOk(text));
  EXPECT_EQ(o.TableNames[0], "Christophe");
  EXPECT_EQ(o.TableNames[1], "Bo");
  EXPECT_EQ(o.TableNames[2], "Maximilian");
  EXPECT_EQ(o.TableNames[3], "");

  const TQOptions r = OnlyOptions(ReadOk(WithOptions({"QTABLENAMES= Ann  \t   Ben",
                                                       "QTABLEDATA=7         -8        +9        10"})));
  EXPECT_EQ(r.TableNames[0], "Ann");
  EXPECT_EQ(r.TableNames[1], "Ben");
  EXPECT_EQ(r.TableNames[2], "");  // a short value leaves empty fields
  EXPECT_EQ(r.TableNames[3], "");
  EXPECT_EQ(r.TableData, (std::array<std::int32_t, 4>{7, -8, 9, 10}));
}

TEST(QuizFileTest, TableNamesOfTwelveCharactersComeBackAsTheirFirstTen) {
  TQuiz quiz;
  TQuestionSet set;
  set.Options.TableNames[1] = "Bartholomew1";
  quiz.Sets.Add(set);
  EXPECT_EQ(OnlyOptions(ReadOk(Written(quiz))).TableNames[1], "Bartholome");
}

TEST(QuizFileTest, NumbersTooWideForTheirFieldStayInside) {
  TQuiz quiz;
  TQuestionSet set;
  set.Options.TableData = {-2147483647 - 1, 2147483647, -1000000000, -999999999};
  quiz.Sets.Add(set);
  const std::string text = Written(quiz);
  EXPECT_NE(text.find("QTABLEDATA=-9999999992147483647-999999999-999999999\r\n"), std::string::npos);
  EXPECT_EQ(OnlyOptions(ReadOk(text)).TableData,
            (std::array<std::int32_t, 4>{-999999999, 2147483647, -999999999, -999999999}));
}

TEST(QuizFileTest, TimesTableIsReadDigitByDigit) {
  EXPECT_EQ(OnlyOptions(ReadOk(WithOptions({"QTIMESTABLE=012345678901 and more"}))).TimesTable,
            (std::array<std::int32_t, 12>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1}));
  TQuiz quiz;
  TQuestionSet set;
  set.Options.TimesTable = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, -1};
  quiz.Sets.Add(set);
  // One character per entry whatever the entry holds.
  EXPECT_NE(Written(quiz).find("QTIMESTABLE=012345678927\r\n"), std::string::npos);
}

TEST(QuizFileTest, LaterOptionsSectionsOverwriteOnlyTheirOwnKeys) {
  const std::string text = kHead + Lines({"BEGIN QUESTIONSET", "BEGIN QOPTIONS", "QOPERAND=4", "QITEMNAME=pears",
                                          "END QOPTIONS", "BEGIN QOPTIONS", "QOPERAND=5", "END QOPTIONS",
                                          "END QUESTIONSET"});
  const TQOptions o = OnlyOptions(ReadOk(text));
  EXPECT_EQ(o.Operand, ptMoney);
  EXPECT_EQ(o.ItemName, "pears");
}

TEST(QuizFileTest, QuestionSectionsReadTheirKeysAndIgnoreOthers) {
  const std::string text = kHead + Lines({"BEGIN QUESTIONSET", "BEGIN QUESTION", "FIRSTTERM=-12", "SECONDTERM=+34",
                                          "OPERAND=263", "SYMBOLTYPE=1", "FRACTIONPROBLEMTYPE=4",
                                          "DIVISIONPROBLEMTYPE=2", "TABLEPROBLEMTYPE=258", "COLOUR=blue",
                                          "no equals sign", "END QUESTION", "BEGIN QUESTION", "END QUESTION",
                                          "END QUESTIONSET"});
  const TQuiz quiz = ReadOk(text);
  ASSERT_EQ(quiz.Sets.Count(), 1u);
  ASSERT_EQ(quiz.Sets.Item(0).Count(), 2u);
  const TQuizQuestion& q = quiz.Sets.Item(0).Item(0);
  EXPECT_EQ(q.FirstTerm, -12);
  EXPECT_EQ(q.SecondTerm, 34);
  EXPECT_EQ(q.Operand, ptTime);
  EXPECT_EQ(q.SymbolType, 1);
  EXPECT_EQ(q.FractionProblemType, 4);
  EXPECT_EQ(q.DivisionProblemType, 2);
  EXPECT_EQ(q.TableProblemType, 2);
  EXPECT_TRUE(quiz.Sets.Item(0).Item(1).SameAs(TQuizQuestion{}));
}

TEST(QuizFileTest, LineFeedOnlyFilesReadLikeCrLfFiles) {
  const std::string crlf = ReadBytes(kExampleFile);
  std::string lf;
  for (char c : crlf)
    if (c != '\r') lf += c;
  EXPECT_EQ(Written(ReadOk(lf)), crlf);
  // Without a line end after the last line, too.
  lf.pop_back();
  EXPECT_EQ(Written(ReadOk(lf)), crlf);
}

TEST(QuizFileTest, AnUnclosedSectionEndsWithTheFileWithoutItsLastLine) {
  {
    const TQuiz quiz = ReadOk(kHead + Lines({"BEGIN QUESTIONSET", "BEGIN QOPTIONS", "QOPERAND=7", "QFIRSTTERMTYPE=3"}));
    const TQOptions& o = OnlyOptions(quiz);
    EXPECT_EQ(o.Operand, ptTime);
    EXPECT_EQ(o.FirstTermType, 0);  // the last line of the file is not interpreted
  }
  {
    const TQuiz quiz = ReadOk(kHead + Lines({"BEGIN QUESTIONSET", "BEGIN QUESTION", "FIRSTTERM=5", "SECONDTERM=6"}));
    ASSERT_EQ(quiz.Sets.Count(), 1u);
    ASSERT_EQ(quiz.Sets.Item(0).Count(), 1u);
    EXPECT_EQ(quiz.Sets.Item(0).Item(0).FirstTerm, 5);
    EXPECT_EQ(quiz.Sets.Item(0).Item(0).SecondTerm, 0);
  }
  {
    // A closed question, then a BEGIN on the very last line: no second question.
    const TQuiz quiz = ReadOk(kHead + Lines({"BEGIN QUESTIONSET", "BEGIN QUESTION", "FIRSTTERM=5", "END QUESTION",
                                             "BEGIN QUESTION"}));
    ASSERT_EQ(quiz.Sets.Count(), 1u);
    EXPECT_EQ(quiz.Sets.Item(0).Count(), 1u);
  }
  {
    // The same file without the final line end: the last line still is the last.
    std::string text = kHead + Lines({"BEGIN QUESTIONSET", "BEGIN QOPTIONS", "QOPERAND=7", "QFIRSTTERMTYPE=3"});
    text.resize(text.size() - 2);
    EXPECT_EQ(OnlyOptions(ReadOk(text)).FirstTermType, 0);
  }
  {
    // A BEGIN QUESTIONSET as the last line still appends an empty set.
    const TQuiz quiz = ReadOk(kHead + Lines({"BEGIN QUESTIONSET"}));
    ASSERT_EQ(quiz.Sets.Count(), 1u);
    EXPECT_EQ(quiz.Sets.Item(0).Options, TQOptions{});
  }
}

TEST(QuizFileTest, ALineBreakInsideATextNeverSplitsASavedLine) {
  TQuiz quiz;
  quiz.QuizTitle = "two\r\nlines";
  quiz.FooterText = "a\rb\nc";
  TQuestionSet set;
  set.Options.ItemName = "x\ny";
  set.Options.TableNames[0] = "P\nQ";
  quiz.Sets.Add(set);
  const std::string text = Written(quiz);
  const TQuiz read = ReadOk(text);
  EXPECT_EQ(read.QuizTitle, "two  lines");
  EXPECT_EQ(read.FooterText, "a b c");
  EXPECT_EQ(OnlyOptions(read).ItemName, "x y");
  EXPECT_EQ(OnlyOptions(read).TableNames[0], "P Q");
  EXPECT_EQ(Written(read), text);
}

// --------------------------------------------------------------- errors

struct BadValue {
  const char* line;
  const char* key;
};

TEST(QuizFileTest, ValuesThatAreNoNumbersStopReadingNamingFileAndLine) {
  const BadValue cases[] = {
      {"QOPERAND=abc", "QOPERAND"},
      {"QOPERAND=", "QOPERAND"},
      {"QOPERAND=5 ", "QOPERAND"},
      {"QOPERAND=0x10", "QOPERAND"},
      {"QCOINSTOUSE=2147483648", "QCOINSTOUSE"},
      {"INCREMENT_COUNT=-2147483649", "INCREMENT_COUNT"},
      {"INCREMENT_STEP_SIZE=99999999999999999999999999", "INCREMENT_STEP_SIZE"},
      {"QTABLEDATA=         1         2         3", "QTABLEDATA field 4"},
      {"BAR_GRAPH_DATA=        10      2 0        30        40", "BAR_GRAPH_DATA field 2"},
      {"QTIMESTABLE=00000x000000", "QTIMESTABLE"},
      {"QTIMESTABLE=00000000000", "QTIMESTABLE"},
      {"QTIMESTABLE=-00000000000", "QTIMESTABLE"},
  };
  for (const BadValue& c : cases) {
    TQuiz quiz;
    try {
      ReadText(WithOptions({"QFIRSTTERMTYPE=1", c.line}), quiz);
      ADD_FAILURE() << c.line << " was accepted";
    } catch (const QuizFileError& e) {
      EXPECT_EQ(e.Line(), 6) << c.line;
      EXPECT_EQ(e.FileName(), "test.qiz");
      const std::string message = e.what();
      EXPECT_TRUE(message.starts_with("test.qiz, line 6: ")) << message;
      EXPECT_NE(message.find(c.key), std::string::npos) << message;
    }
  }
  for (const char* questionLine : {"FIRSTTERM=1.5", "SECONDTERM=", "OPERAND", "TABLEPROBLEMTYPE=--1"}) {
    TQuiz quiz;
    EXPECT_THROW(ReadText(kHead + Lines({"BEGIN QUESTIONSET", "BEGIN QUESTION", questionLine, "END QUESTION"}), quiz),
                 QuizFileError)
        << questionLine;
  }
}

TEST(QuizFileTest, NumbersMayStartWithBlanks) {
  TQuiz quiz;
  ReadText(WithOptions({"QOPERAND=  5", "QCOINSTOUSE= -3"}), quiz);
  ASSERT_EQ(quiz.Sets.Count(), 1u);
  EXPECT_EQ(quiz.Sets.Item(0).Options.Operand, 5);
  EXPECT_EQ(quiz.Sets.Item(0).Options.CoinsToUse, -3);
}

TEST(QuizFileTest, AReadingErrorLeavesTheQuizExactlyAsItWas) {
  TempFolder folder;
  TQuiz quiz = ExampleQuiz();
  quiz.QuizTitle = "Before";
  quiz.FooterText = "foot";
  quiz.PrintPageNumbers = false;
  quiz.Modified = true;
  const std::string before = Written(quiz);

  quiz.FileName = folder.File("broken.qiz");
  WriteBytes(quiz.FileName, Lines({"2.0.0.", "QUIZTITLE=After", "PRINTPAGENUMBERS=YES", "BEGIN QUESTIONSET",
                                   "BEGIN QUESTION", "FIRSTTERM=1", "END QUESTION", "BEGIN QUESTION",
                                   "FIRSTTERM=many", "END QUESTION", "END QUESTIONSET"}));
  try {
    quiz.LoadFromFile();
    FAIL() << "the broken file was accepted";
  } catch (const QuizFileError& e) {
    EXPECT_EQ(e.Line(), 9);
    EXPECT_EQ(std::string(e.what()).find(quiz.FileName + ", line 9: "), 0u) << e.what();
  }
  EXPECT_EQ(Written(quiz), before);
  EXPECT_TRUE(quiz.Modified);
  EXPECT_EQ(quiz.FileName, folder.File("broken.qiz"));
}

// A file of more than 2^31 lines takes minutes to read, so the reader's
// count is checked by its type and the error by a number that big.
TEST(QuizFileTest, LineNumbersPastTwoToThe31stStayRight) {
  static_assert(sizeof(std::declval<const TLineReader&>().LineNumber()) == 8);
  const QuizFileError e("big.qiz", 3'000'000'001, "not a number");
  EXPECT_EQ(e.Line(), 3'000'000'001);
  EXPECT_STREQ(e.what(), "big.qiz, line 3000000001: not a number");
}

TEST(QuizFileTest, OnlyRegularFilesAreReadAndNothingWaits) {
  TempFolder folder;
  const std::string fifo = folder.File("fifo.qiz"), silent = folder.File("silent.qiz");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  ASSERT_EQ(::mkfifo(silent.c_str(), 0600), 0);
  // A writer that keeps the second FIFO open and never writes.
  const int writer = ::open(silent.c_str(), O_RDWR | O_CLOEXEC);
  ASSERT_GE(writer, 0);
  // A reading that waits ends this program instead of hanging it.
  ::alarm(30);
  // The kernel's files: /proc/kmsg waits for the next message (as root;
  // others may not open it at all).
  for (const std::string& path : {folder.Path().string(), std::string("/dev/zero"), fifo, silent,
                                  std::string("/proc/self/status"), std::string("/proc/kmsg")}) {
    TQuiz quiz;
    quiz.FileName = path;
    EXPECT_THROW(quiz.LoadFromFile(), QuizFileError) << path;
  }
  ::alarm(0);
  ::close(writer);
}

TEST(QuizFileTest, VeryLongLinesReadOrFailCleanly) {
  const std::string title(5u << 20, 'T');
  EXPECT_EQ(ReadOk(Lines({"2.0.0.", "QUIZTITLE=" + title})).QuizTitle, title.substr(0, kMaxTextLength));

  const std::string tooLong(TLineReader::kMaxLineLength + 1, '7');
  TQuiz quiz;
  try {
    ReadText(WithOptions({"QOPERAND=1"}) + Lines({"QUIZTITLE=x", tooLong}), quiz);
    FAIL() << "an endless line was accepted";
  } catch (const QuizFileError& e) {
    EXPECT_EQ(e.Line(), 9);
  }
}

TEST(QuizFileTest, ArbitraryBytesGiveAQuizOrAnError) {
  const std::string_view pieces[] = {"2.0.0.\r\n", "BEGIN QUESTIONSET\r\n", "END QUESTIONSET\n", "BEGIN QOPTIONS\n",
                                     "END QOPTIONS\r\n", "BEGIN QUESTION\n", "END QUESTION\n", "QTIMESTABLE=",
                                     "QTABLENAMES=", "QTABLEDATA=", "FIRSTTERM=", "QUIZTITLE=", "=", "\r", "\n",
                                     "-", "9", "YES", " ", "\x00", "\xFF"};
  std::mt19937 random(20240611);
  for (int round = 0; round < 2000; ++round) {
    std::string text = "2.0.0.\n";
    const int count = static_cast<int>(random() % 60);
    for (int i = 0; i < count; ++i) {
      if (random() % 4 == 0) text += static_cast<char>(random() % 256);
      else text += pieces[random() % std::size(pieces)];
    }
    TQuiz quiz;
    try {
      ReadText(text, quiz);
    } catch (const QuizFileError&) {
    }
  }
}

// --------------------------------------------------------------- saving

void ExpectOnlyFile(const TempFolder& folder, const std::string& name) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder.Path())) names.push_back(entry.path().filename().string());
  EXPECT_EQ(names, std::vector<std::string>{name});
}

TQuiz BigQuiz() {
  TQuiz quiz = ExampleQuiz();
  TQuestionSet& set = quiz.Sets.Item(0);
  for (int i = 0; i < 500; ++i) set.Add(TQuizQuestion{});
  return quiz;
}

TEST(QuizFileTest, AFailedWriteKeepsTheOldFileWholeAndTheQuizModified) {
  TempFolder folder;
  const std::string path = folder.File("quiz.qiz");
  const std::string old = Written(ExampleQuiz());
  WriteBytes(path, old);

  TQuiz quiz = BigQuiz();
  quiz.FileName = path;
  quiz.Modified = true;

  // The disk "fills up" after 4 KiB: the write itself fails half way.
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit small = saved;
  small.rlim_cur = 4096;
  const auto previousHandler = ::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  std::string message;
  try {
    quiz.SaveToFile();
  } catch (const QuizFileError& e) {
    message = e.what();
  }
  ::setrlimit(RLIMIT_FSIZE, &saved);
  ::signal(SIGXFSZ, previousHandler);

  EXPECT_TRUE(message.starts_with(path + ": ")) << message;
  EXPECT_TRUE(quiz.Modified);
  EXPECT_EQ(ReadBytes(path), old);
  ExpectOnlyFile(folder, "quiz.qiz");
}

TEST(QuizFileTest, AFailedRenameKeepsWhatWasThereAndLeavesNoTemporaryFile) {
  TempFolder folder;
  const std::string path = folder.File("taken");
  fs::create_directory(path);
  WriteBytes(path + "/inside.txt", "keep me");

  TQuiz quiz = ExampleQuiz();
  quiz.FileName = path;
  quiz.Modified = true;
  EXPECT_THROW(quiz.SaveToFile(), QuizFileError);
  EXPECT_TRUE(quiz.Modified);
  EXPECT_EQ(ReadBytes(path + "/inside.txt"), "keep me");
  ExpectOnlyFile(folder, "taken");
}

TEST(QuizFileTest, SavingIntoAMissingFolderFailsNamingTheFile) {
  TempFolder folder;
  TQuiz quiz = ExampleQuiz();
  quiz.FileName = folder.File("no such folder/quiz.qiz");
  quiz.Modified = true;
  try {
    quiz.SaveToFile();
    FAIL() << "saved into a missing folder";
  } catch (const QuizFileError& e) {
    EXPECT_EQ(e.FileName(), quiz.FileName);
    EXPECT_NE(std::string(e.what()).find(quiz.FileName), std::string::npos);
  }
  EXPECT_TRUE(quiz.Modified);
}

TEST(QuizFileTest, SavingKeepsPermissionsAndFollowsLinks) {
  TempFolder folder;
  const std::string real = folder.File("real.qiz");
  const std::string link = folder.File("link.qiz");
  WriteBytes(real, "old");
  ::chmod(real.c_str(), 0640);
  fs::create_symlink("real.qiz", link);

  TQuiz quiz = ExampleQuiz();
  quiz.FileName = link;
  ASSERT_TRUE(quiz.SaveToFile());
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadBytes(real), ReadBytes(kExampleFile));
  struct stat st{};
  ASSERT_EQ(::stat(real.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

}  // namespace
}  // namespace sumcraft
