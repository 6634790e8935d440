#include "document/QuizDocument.h"

#include <QFile>
#include <QFileInfo>
#include <climits>
#include <stdexcept>

#include "document/QuizSteps.h"
#include "generate/Generate.h"
#include "quiz/ProblemType.h"
#include "render/Layout.h"

namespace sumcraft {

namespace {

int QuestionCountOf(const TQuestionSet& set) {
  // A count beyond int comes from no file that fits in memory; the bound
  // keeps the conversion defined.
  return static_cast<int>(std::min<std::size_t>(set.Count(), INT_MAX));
}

bool KnownProblemType(std::uint8_t type) {
  switch (type) {
    case ptAddition: case ptSubtraction: case ptMultiplication: case ptDivision: case ptComparison:
    case ptMoney: case ptFractions: case ptTime: case ptRounding: case ptTables: case ptGraphs:
      return true;
    default:
      return false;
  }
}

// A set is made anew on a copy, so that a failure leaves the quiz as it was.
// A set of a type this program cannot generate would come back blank: it is
// refused instead, its questions kept.
THeldQuestions Renewed(const TQuestionSet& set, std::size_t index) {
  if (!KnownProblemType(set.Options.Operand)) {
    throw std::runtime_error("Set " + std::to_string(index + 1) + " is of a problem type this version does not know (" +
                             std::to_string(set.Options.Operand) + "), so its questions cannot be made anew. They are "
                             "kept as they are.");
  }
  TQuestionSet renewed;
  renewed.Options = set.Options;
  Generate(renewed, QuestionCountOf(set));
  THeldQuestions held{index, renewed.Questions(), nullptr};
  if (!(renewed.Options == set.Options)) held.Options = std::make_unique<TQOptions>(renewed.Options);
  return held;
}

std::unique_ptr<TQuiz> LaidOutEmptyQuiz() {
  auto quiz = std::make_unique<TQuiz>();
  Layout(*quiz, false);
  return quiz;
}

}  // namespace

TQuizPrintOptions TQuizPrintOptions::Of(const TQuiz& q) {
  return {q.QuizTitle,         q.PrintDateBlank,  q.PrintTeacherNameBlank, q.PrintClassNameBlank,
          q.PrintStudentNameBlank, q.PrintQuizTitle, q.PrintFooterText,   q.FooterText,
          q.SkipPrintFirstPageNumber, q.PrintPageNumbers};
}

void TQuizPrintOptions::ApplyTo(TQuiz& q) const {
  q.QuizTitle = QuizTitle;
  q.PrintDateBlank = PrintDateBlank;
  q.PrintTeacherNameBlank = PrintTeacherNameBlank;
  q.PrintClassNameBlank = PrintClassNameBlank;
  q.PrintStudentNameBlank = PrintStudentNameBlank;
  q.PrintQuizTitle = PrintQuizTitle;
  q.PrintFooterText = PrintFooterText;
  q.FooterText = FooterText;
  q.SkipPrintFirstPageNumber = SkipPrintFirstPageNumber;
  q.PrintPageNumbers = PrintPageNumbers;
}

TQuizDocument::TQuizDocument(QObject* parent) : QObject(parent), quiz_(LaidOutEmptyQuiz()) {
  history_.setUndoLimit(kHistoryLimit);
  ++layoutSerial_;
}

TQuizDocument::~TQuizDocument() = default;

QString TQuizDocument::FileName() const { return QFile::decodeName(QByteArray::fromStdString(quiz_->FileName)); }

int TQuizDocument::PageCount() const { return QuizPages(*quiz_).PageCount(); }

// ---------------------------------------------------------------------------
// The whole quiz

void TQuizDocument::New() { Replace(LaidOutEmptyQuiz()); }

TOpenResult TQuizDocument::Open(const QString& path) {
  auto opened = std::make_unique<TQuiz>();
  opened->FileName = QFile::encodeName(QFileInfo(path).absoluteFilePath()).toStdString();
  TOpenResult result;
  result.Result = opened->LoadFromFile(&result.Lost);
  if (result.Result != TLoadResult::Loaded) return result;
  result.Problems = LayOut(*opened).Problems;
  if (!result.Lost.empty()) opened->FileName.clear();
  Replace(std::move(opened));
  return result;
}

void TQuizDocument::Replace(std::unique_ptr<TQuiz> quiz) {
  const std::string oldName = quiz_->FileName;
  quiz_ = std::move(quiz);
  quiz_->Modified = false;
  history_.clear();
  ++layoutSerial_;
  emit Changed({.Replaced = true});
  emit ModifiedChanged(false);
  if (quiz_->FileName != oldName) emit FileNameChanged(FileName());
  emit HistoryChanged();
}

void TQuizDocument::Save() {
  if (quiz_->FileName.empty()) throw std::logic_error("the quiz has no file name to save to");
  quiz_->SaveToFile();
  history_.setClean();
  quiz_->Modified = false;
  emit ModifiedChanged(false);
}

void TQuizDocument::SaveAs(const QString& path) {
  const std::string previous = quiz_->FileName;
  quiz_->FileName = QFile::encodeName(path).toStdString();
  try {
    Save();
  } catch (...) {
    quiz_->FileName = previous;
    throw;
  }
  if (quiz_->FileName != previous) emit FileNameChanged(FileName());
}

// ---------------------------------------------------------------------------
// Steps

void TQuizDocument::Push(TQuizStep* step) {
  pending_ = {};
  history_.push(step);
  Settle(pending_);
}

void TQuizDocument::AddSet(const TQuestionSet& set) {
  TQuestionSet copy;
  copy.Assign(set);
  Push(new TSetInOutStep(*this, QStringLiteral("Add Questions"), quiz_->Sets.Count(), std::move(copy)));
}

void TQuizDocument::DeleteSet(int index) {
  if (index < 0 || index >= SetCount()) throw std::out_of_range("no set to delete");
  Push(new TSetInOutStep(*this, QStringLiteral("Delete Questions"), static_cast<std::size_t>(index), std::nullopt));
}

void TQuizDocument::RecreateSet(int index) {
  if (index < 0 || index >= SetCount()) throw std::out_of_range("no set to re-create");
  const auto i = static_cast<std::size_t>(index);
  std::vector<THeldQuestions> renewed;
  renewed.push_back(Renewed(quiz_->Sets.Item(i), i));
  Push(new TSwapSetsStep(*this, QStringLiteral("Re-create Section"), std::move(renewed)));
}

void TQuizDocument::RecreateQuiz() {
  if (quiz_->Sets.Count() == 0) return;
  std::vector<THeldQuestions> renewed;
  renewed.reserve(quiz_->Sets.Count());
  for (std::size_t i = 0; i < quiz_->Sets.Count(); ++i) renewed.push_back(Renewed(quiz_->Sets.Item(i), i));
  Push(new TSwapSetsStep(*this, QStringLiteral("Re-create Quiz"), std::move(renewed)));
}

void TQuizDocument::SetPrintOptions(const TQuizPrintOptions& options) {
  if (options == TQuizPrintOptions::Of(*quiz_)) return;
  Push(new TPrintOptionsStep(*this, QStringLiteral("Quiz Options"), options));
}

void TQuizDocument::Undo() {
  if (!history_.canUndo()) return;
  pending_ = {};
  history_.undo();
  Settle(pending_);
}

void TQuizDocument::Redo() {
  if (!history_.canRedo()) return;
  pending_ = {};
  history_.redo();
  Settle(pending_);
}

void TQuizDocument::LayOutAgain() {
  ++layoutSerial_;
  LayOut(*quiz_);
  emit Changed({});
}

void TQuizDocument::SetShowAnswers(bool show) {
  if (show == showAnswers_) return;
  showAnswers_ = show;
  const std::exception_ptr failure = LayOutKeepingFailure();
  emit Changed({});
  emit ShowAnswersChanged(showAnswers_);
  if (failure) std::rethrow_exception(failure);
}

TLayoutResult TQuizDocument::LayOut(TQuiz& quiz) const { return Layout(quiz, showAnswers_); }

std::exception_ptr TQuizDocument::LayOutKeepingFailure() {
  ++layoutSerial_;
  // A layout that fails still ends in the signals: the views show the
  // change, and the caller hears of the failure.
  try {
    LayOut(*quiz_);
  } catch (...) {
    return std::current_exception();
  }
  return {};
}

void TQuizDocument::Settle(const TQuizChange& change) {
  const bool wasModified = quiz_->Modified;
  quiz_->Modified = !history_.isClean();
  const std::exception_ptr failure = LayOutKeepingFailure();
  emit Changed(change);
  if (quiz_->Modified != wasModified) emit ModifiedChanged(quiz_->Modified);
  emit HistoryChanged();
  if (failure) std::rethrow_exception(failure);
}

}  // namespace sumcraft
