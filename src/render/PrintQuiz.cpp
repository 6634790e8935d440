#include "render/PrintQuiz.h"

#include <algorithm>

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

}  // namespace

TPrintReport PrintQuiz(TQuiz& quiz, const TPrintOptions& options) {
  TPrinterDevice& printer = options.Printer != nullptr ? *options.Printer : CurrentPrinter();
  // A job left running (by anyone) would swallow our pages or refuse ours.
  printer.Abort();
  if (quiz.Pages) QuizPages(quiz).Printer().Abort();

  TPrintReport report;
  const auto print = [&](const TPrintJob& job) {
    if (options.BeforeJob) options.BeforeJob(printer, job);
    TMetaReport& pages = QuizPages(quiz);
    if (options.SendJob) {
      pages.Close();
      options.SendJob(pages, job);
    } else {
      pages.Print();
    }
    report.Jobs.push_back(TPrintedJob{job, pages.PageCount()});
  };

  try {
    AddProblems(report.Problems, Layout(quiz, false, &printer).Problems);
    for (int copy = 1; copy <= options.Copies; ++copy) print(TPrintJob{TPrintJob::TKind::QuizCopy, copy});
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

QString PdfJobFileName(const QString& chosen, const TPrintJob& job) {
  if (job.Kind == TPrintJob::TKind::QuizCopy && job.Copy <= 1) return chosen;
  QString base = chosen;
  if (base.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) base.chop(4);
  if (job.Kind == TPrintJob::TKind::AnswerKey) return base + QStringLiteral("-key.pdf");
  return base + QStringLiteral("-%1.pdf").arg(job.Copy);
}

std::function<void(TPrinterDevice&, const TPrintJob&)> PdfJobFiles(const QString& chosen) {
  return [chosen](TPrinterDevice& printer, const TPrintJob& job) {
    if (auto* pdf = dynamic_cast<TPdfPrinter*>(&printer)) pdf->SetOutputFile(PdfJobFileName(chosen, job));
  };
}

}  // namespace sumcraft
