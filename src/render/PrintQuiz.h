#pragma once
// Printing a quiz: what the Print command does once the print options dialog
// has chosen a printer, a number of copies and whether the answer key is
// wanted. The quiz is laid out for the chosen printer, printed `Copies`
// times (one print job per copy), then, when asked, laid out with the
// answers and printed once more as the answer key. Afterwards the quiz is
// laid out again without answers for the selected printer, so the screen
// never keeps another printer's pages (the window turns RestoreLayout off
// and lays out its own view, which shows the key when asked to).
//
// "Save as PDF" (TPdfPrinter) writes one file for the quiz, whatever the
// number of copies (more copies of a file are the same file), and one for
// the key, each through its TPdfOutput, as the command-line tool does: the
// same quiz on the same paper gives the same bytes from either. Every job is
// titled by PrintJobTitle, which names it in a printer's queue and is the
// PDF's document title.
//
//   TPrintOptions options;
//   options.Copies = dialog.Copies;
//   options.PrintKey = dialog.PrintKey;
//   options.Printer = &TPrinters::Instance().Item(dialog.PrinterIndex);
//   options.BeforeJob = PdfJobFiles(chosenPdfPath);   // "Save as PDF" only
//   PrintQuiz(quiz, options);                          // throws on failure
//   RefreshView();
//
// GUI thread only; blocks until the printer has taken every job.
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "quiz/Quiz.h"

namespace sumcraft {

class TPrinterDevice;

// One print job of a print run.
struct TPrintJob {
  enum class TKind { QuizCopy, AnswerKey };
  TKind Kind = TKind::QuizCopy;
  int Copy = 0;  // 1-based number of the quiz copy; 0 for the answer key
  // Versions the job holds: one, or (in a file of "Save as PDF") all of them.
  int Versions = 1;
};

struct TPrintOptions {
  // Quiz copies; 0 prints none (the key alone when PrintKey is set).
  // Negative counts print nothing either. "Save as PDF" prints at most one.
  int Copies = 1;
  bool PrintKey = false;
  // The printer chosen in the dialog; nullptr prints on the selected printer.
  TPrinterDevice* Printer = nullptr;
  // Called before every job is started, with the printer and the job: the
  // place to give "Save as PDF" the file of that job (see PdfJobFiles). An
  // exception from it fails the run like a printer failure.
  std::function<void(TPrinterDevice& printer, const TPrintJob& job)> BeforeJob;
  // Lay the quiz out again afterwards, without answers, for the selected
  // printer (the screen's layout). Only a caller that throws the quiz away
  // right after printing, like the command-line tool, turns it off.
  bool RestoreLayout = true;
};

struct TPrintedJob {
  TPrintJob Job;
  int Pages = 0;
};

struct TPrintReport {
  std::vector<TPrintedJob> Jobs;  // in printing order
  // Questions that could not be drawn (TLayoutResult::Problems) in the quiz
  // layout, followed by those met only when drawing the answers; each once.
  std::vector<std::string> Problems;
  int TotalPages() const;
};

// Prints the quiz as described above and reports the jobs sent.
//
// Failures: a layout or printer failure (LayoutError, TPrintError, or what
// BeforeJob threw) abandons the running job, so no further job is started,
// and propagates. The quiz is laid out again without answers for the
// selected printer before the error leaves (when RestoreLayout is set), so
// the screen never keeps the answer key or a half-drawn layout; should that
// layout fail too, its error is dropped in favour of the first one, and the
// page store still holds answer-free pages measured on the selected printer.
TPrintReport PrintQuiz(TQuiz& quiz, const TPrintOptions& options);

// Prints the versions of a quiz (MakeQuizVersions), in order, as PrintQuiz
// prints one: on a printer each version's copies, then its key when asked,
// each a job named after the quiz title and the version; on "Save as PDF" one
// file holding every version's pages in order and one holding their keys in
// the same order, whatever the copies. The versions are left laid out as
// last printed; the quiz on screen is not involved. Failures as PrintQuiz's.
TPrintReport PrintVersions(std::vector<TQuiz>& versions, const TPrintOptions& options);

// The title of a job: the quiz title (Windows-1252, blanks squeezed), or
// without one the quiz file's name without its extension, or "Quiz"; a job
// of one version adds its label (" - Version B"); the answer key's adds
// " - Answer Key".
QString PrintJobTitle(const TQuiz& quiz, const TPrintJob& job);

// The file of each job when printing to "Save as PDF" from one chosen file
// name: the quiz is the chosen file itself, the answer key "<base>-key.pdf",
// where <base> is the chosen name without a final ".pdf" (any case). With
// the key alone the chosen name stays unused and the key is still
// "<base>-key.pdf", so a key file is always recognisable by its name.
QString PdfJobFileName(const QString& chosen, const TPrintJob& job);

// A BeforeJob for TPrintOptions that names the files of "Save as PDF" by
// PdfJobFileName; it leaves other printers alone.
std::function<void(TPrinterDevice&, const TPrintJob&)> PdfJobFiles(const QString& chosen);

}  // namespace sumcraft
