#include "render/PrintQuiz.h"

#include <QFileInfo>
#include <algorithm>

#include "render/CodePage1252.h"
#include "render/Layout.h"
#include "render/MetaReport.h"
#include "render/PdfPrinter.h"
#include "render/Printers.h"

namespace sumcraft {

int TPrintReport::TotalPages() const {
  int n = 0;
  for (const TPrintedJob& j : Jobs) n += j.Pages;
  return n;
}

namespace {

void AddProblems(std::vector<std::string>& into, const std::vector<std::string>& problems) {
  for (const std::string& p : problems)
    if (std::find(into.begin(), into.end(), p) == into.end()) into.push_back(p);
}

// The screen's layout: without answers, on the selected printer.
void LayOutForScreen(TQuiz& quiz) { Layout(quiz, false, nullptr); }

// One job of `pages`, titled after `quiz` and the job, which names it in the
// printer's queue and in the file; "Save as PDF" writes it as one document.
void PrintJob(TPrinterDevice& printer, TMetaReport& pages, const TQuiz& quiz, const TPrintJob& job,
              const TPrintOptions& options, TPrintReport& report) {
  if (options.BeforeJob) options.BeforeJob(printer, job);
  pages.SetTitle(PrintJobTitle(quiz, job));
  if (auto* pdf = dynamic_cast<TPdfPrinter*>(&printer)) {
    pages.Close();
    pdf->WriteDocument(pages, pages.Title());
  } else {
    pages.Print();
  }
  report.Jobs.push_back(TPrintedJob{job, pages.PageCount()});
}

}  // namespace

QString PrintJobTitle(const TQuiz& quiz, const TPrintJob& job) {
  QString title = FromCp1252(quiz.QuizTitle).simplified();
  if (title.isEmpty() && !quiz.FileName.empty())
    title = QFileInfo(QString::fromLocal8Bit(quiz.FileName.c_str())).completeBaseName();
  if (title.isEmpty()) title = QStringLiteral("Quiz");
  if (job.Versions == 1 && !quiz.Version.Label.empty())
    title += QStringLiteral(" - ") + QString::fromStdString(quiz.Version.Label);
  if (job.Kind == TPrintJob::TKind::AnswerKey) title += QStringLiteral(" - Answer Key");
  return title;
}

TPrintReport PrintQuiz(TQuiz& quiz, const TPrintOptions& options) {
  TPrinterDevice& printer = options.Printer != nullptr ? *options.Printer : CurrentPrinter();
  // A job left running (by anyone) would swallow our pages or refuse ours.
  printer.Abort();
  if (quiz.Pages) QuizPages(quiz).Printer().Abort();
  const bool pdf = dynamic_cast<TPdfPrinter*>(&printer) != nullptr;
  // Copies of a file are the same file again: "Save as PDF" writes one.
  const int copies = pdf ? std::min(options.Copies, 1) : options.Copies;

  TPrintReport report;
  const auto print = [&](const TPrintJob& job) { PrintJob(printer, QuizPages(quiz), quiz, job, options, report); };

  try {
    AddProblems(report.Problems, Layout(quiz, false, &printer).Problems);
    for (int copy = 1; copy <= copies; ++copy) print(TPrintJob{TPrintJob::TKind::QuizCopy, copy});
    if (options.PrintKey) {
      AddProblems(report.Problems, Layout(quiz, true, &printer).Problems);
      print(TPrintJob{TPrintJob::TKind::AnswerKey, 0});
    }
  } catch (...) {
    printer.Abort();
    if (options.RestoreLayout) {
      // The first error is the one to report; the restoring layout has at
      // least reset the pages for the screen printer when it fails as well.
      try {
        LayOutForScreen(quiz);
      } catch (...) {
      }
    }
    throw;
  }
  if (options.RestoreLayout) LayOutForScreen(quiz);
  return report;
}

TPrintReport PrintVersions(std::vector<TQuiz>& versions, const TPrintOptions& options) {
  TPrinterDevice& printer = options.Printer != nullptr ? *options.Printer : CurrentPrinter();
  TPrintOptions each = options;
  each.Printer = &printer;
  each.RestoreLayout = false;
  const bool pdf = dynamic_cast<TPdfPrinter*>(&printer) != nullptr;
  TPrintReport report;
  if (!pdf) {
    for (TQuiz& version : versions) {
      TPrintReport printed = PrintQuiz(version, each);
      report.Jobs.insert(report.Jobs.end(), printed.Jobs.begin(), printed.Jobs.end());
      AddProblems(report.Problems, printed.Problems);
    }
    return report;
  }
  if (versions.empty()) return report;

  // "Save as PDF": every version's pages gathered into one store for the
  // quizzes and one for the keys, each written as one file.
  const int count = static_cast<int>(versions.size());
  TMetaReport quizzes, keys;
  for (TMetaReport* store : {&quizzes, &keys}) {
    store->SetPrinter(&printer);
    store->Reset();
  }
  for (TQuiz& version : versions) {
    if (options.Copies > 0) {
      AddProblems(report.Problems, Layout(version, false, &printer).Problems);
      quizzes.AppendPages(QuizPages(version));
    }
    if (options.PrintKey) {
      AddProblems(report.Problems, Layout(version, true, &printer).Problems);
      keys.AppendPages(QuizPages(version));
    }
  }
  if (options.Copies > 0)
    PrintJob(printer, quizzes, versions.front(), TPrintJob{TPrintJob::TKind::QuizCopy, 1, count}, options, report);
  if (options.PrintKey)
    PrintJob(printer, keys, versions.front(), TPrintJob{TPrintJob::TKind::AnswerKey, 0, count}, options, report);
  return report;
}

QString PdfJobFileName(const QString& chosen, const TPrintJob& job) {
  if (job.Kind == TPrintJob::TKind::QuizCopy) return chosen;
  QString base = chosen;
  if (base.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) base.chop(4);
  return base + QStringLiteral("-key.pdf");
}

std::function<void(TPrinterDevice&, const TPrintJob&)> PdfJobFiles(const QString& chosen) {
  return [chosen](TPrinterDevice& printer, const TPrintJob& job) {
    if (auto* pdf = dynamic_cast<TPdfPrinter*>(&printer)) pdf->SetOutputFile(PdfJobFileName(chosen, job));
  };
}

}  // namespace sumcraft
