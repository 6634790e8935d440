#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "quiz/QuestionSet.h"
#include "quiz/QuizPages.h"

namespace sumcraft {

// What LoadFromFile did. Only Loaded changes the quiz.
enum class TLoadResult {
  Loaded,   // the file was read into the quiz
  Missing,  // no file of that name exists
  TooOld,   // its first line marks a version before 2.0 (TOldSavedQuiz)
  Empty,    // the file holds not a single byte: there is no quiz in it
};

// Marks a quiz printed as one version of several: the header carries its
// label ("Version B") on the quiz and on its key, and the key's footer names
// the seed its questions were made from, so the version can be made again.
// An empty label marks nothing.
struct TVersionMark {
  std::string Label;
  std::uint32_t Seed = 0;
};

// The document the user edits: the question sets in print order, the
// quiz-wide print options, the file name, the unsaved-changes flag and the
// store of the laid-out pages.
class TQuiz {
public:
  TQuiz();
  ~TQuiz();
  TQuiz(TQuiz&&) noexcept;
  TQuiz& operator=(TQuiz&&) noexcept;
  // Copies go through CopyTo, which states what a copy holds.
  TQuiz(const TQuiz&) = delete;
  TQuiz& operator=(const TQuiz&) = delete;

  std::string FileName;   // full path of the quiz file; empty when never saved or opened
  std::string QuizTitle;
  bool Modified = false;  // changes not yet saved; set by the commands, cleared by SaveToFile
  // The pages of the last layout. Null until the drawing layer lays the quiz
  // out: that layer creates the page store and owns what it holds.
  std::unique_ptr<TQuizPages> Pages;
  TQuestionSets Sets;
  bool PrintDateBlank = true;
  bool PrintTeacherNameBlank = false;
  bool PrintClassNameBlank = false;
  bool PrintStudentNameBlank = true;
  bool PrintQuizTitle = false;
  bool PrintFooterText = false;
  std::string FooterText;
  bool SkipPrintFirstPageNumber = true;
  bool PrintPageNumbers = true;
  // Set only on the versions made for printing; never saved, never copied.
  TVersionMark Version;

  // Makes target a copy of this quiz: its sets are replaced by independent
  // copies of these (AddCopy), and the title, the file name and all nine
  // print options are copied. target.Modified is left for the caller.
  // target.Pages is not touched here: the copy still has to be laid out
  // (without answers), which the drawing layer does right after the copy,
  // since the quiz document knows nothing of drawing.
  void CopyTo(TQuiz& target) const;

  // The number of questions of all sets together.
  std::size_t QuestionCount() const;

  // The index of the set a point at height y (page units) on the 1-based page
  // belongs to, or current when there is none. A set's extent on a page
  // between its first and last page runs over the whole page body, which
  // lies from bodyTop to bodyBottom (both known to the page store). The
  // first set in quiz order whose extent holds y, ends included, wins.
  int SetAtPosition(int y, int page, int current, int bodyTop, int bodyBottom) const;

  // Reads the file named by FileName. The quiz changes only when the result
  // is Loaded; Modified and FileName are never changed (the caller clears
  // Modified after opening). A number that does not parse or a failure of
  // the file system raises QuizFileError naming the file and the line, and
  // the quiz is left exactly as it was.
  // A damaged file still loads what it holds, but warnings then receives one
  // line for each thing left out (a section the file ends inside, lines of
  // which nothing is known, a text cut at kMaxTextLength): such a quiz is
  // less than its file and must not be saved over it unasked.
  TLoadResult LoadFromFile(std::vector<std::string>* warnings = nullptr);

  // Writes the quiz to the file named by FileName, atomically, clears
  // Modified and returns true. On failure it raises QuizFileError naming the
  // file; the old file stays whole and Modified stays as it was.
  bool SaveToFile();
};

}  // namespace sumcraft
