// The Print command: the print options dialog, then the copies and the
// answer key on the chosen printer, then the screen's layout again.
#include <QDir>
#include <QFileInfo>
#include <QStatusBar>
#include <algorithm>
#include <vector>

#include "app/MainWindow.h"
#include "app/UserPrompts.h"
#include "app/VersionProgress.h"
#include "dialogs/PrintOptionsDialog.h"
#include "render/CodePage1252.h"
#include "render/PrintQuiz.h"
#include "render/Printers.h"

namespace sumcraft {

namespace {

QString PrintedText(const TPrintReport& report, int versions) {
  int copies = 0;
  bool key = false;
  for (const TPrintedJob& job : report.Jobs) {
    if (job.Job.Kind == TPrintJob::TKind::AnswerKey) key = true;
    else ++copies;
  }
  if (versions > 1) copies /= versions;
  QString text = copies == 1 ? QStringLiteral("1 copy") : QStringLiteral("%1 copies").arg(copies);
  if (versions > 1) {
    text = QStringLiteral("%1 versions, %2 each,").arg(versions).arg(text);
    if (key) text += QStringLiteral(" each with its answer key");
  } else if (key) {
    text += QStringLiteral(" and the answer key");
  }
  return text;
}

}  // namespace

QString TMainWindow::PdfFileFor() const {
  if (!lastPdfName_.isEmpty()) return lastPdfName_;
  QString base;
  if (!Quiz().FileName.empty()) base = QFileInfo(QuizPathText(Quiz().FileName)).completeBaseName();
  else base = CleanFileName(FromCp1252(Quiz().QuizTitle)).trimmed();
  if (base.isEmpty()) base = QStringLiteral("Quiz");
  return QDir(quizFolder_).filePath(base + QStringLiteral(".pdf"));
}

void TMainWindow::PrintCommand() {
  Guarded(TFailedAction::Print, [&] {
    TPrinters& printers = TPrinters::Instance();
    const int remembered = printers.PrinterIndex();
    try {
      printOptions_->SetSettings(settings_);
      printOptions_->Prepare();
      if (prompts_->Exec(*printOptions_) == QDialog::Accepted) {
        printSettings_.Copies = printOptions_->Copies();
        printSettings_.PrintKey = printOptions_->PrintKey();
        printSettings_.PrinterIndex = printOptions_->PrinterIndex();
        printSettings_.PrinterName = printOptions_->PrinterName();

        const int index = printSettings_.PrinterIndex;
        TPrinterDevice& printer = index >= 0 && index < printers.Count() ? printers.Item(index) : printers.Current();
        if (printer.IsPrinting()) printer.Abort();

        TPrintOptions options;
        options.Copies = printSettings_.Copies;
        options.PrintKey = printSettings_.PrintKey;
        options.Printer = &printer;
        // The screen's layout is restored below, after a failure too.
        options.RestoreLayout = false;
        bool go = true;
        QString pdfName;
        if (&printer == &printers.Pdf()) printers.Pdf().SetPaper(printOptions_->PdfPaper());
        if (&printer == &printers.Pdf() && (options.Copies > 0 || options.PrintKey)) {
          TFileDialogSpec spec;
          spec.Title = QStringLiteral("Save the printed quiz as PDF:");
          spec.Filter = QStringLiteral("PDF files (*.pdf)");
          spec.DefaultSuffix = QStringLiteral("pdf");
          spec.Folder = quizFolder_;
          spec.FileName = PdfFileFor();
          pdfName = prompts_->SaveFileName(this, spec);
          go = !pdfName.isEmpty();
          if (go) {
            lastPdfName_ = pdfName;
            options.BeforeJob = PdfJobFiles(pdfName);
          }
        }
        // Several versions: each the quiz made again from its own seed; the
        // quiz in the window stays as it is.
        const int count = printOptions_->Versions();
        std::vector<TQuiz> versions;
        if (go && count > 1 && (options.Copies > 0 || options.PrintKey)) {
          go = MakeVersionsShowingProgress(this, Quiz(), count, versions);
          if (!go) statusBar()->showMessage(QStringLiteral("Printing stopped: nothing was printed."), 15000);
        }
        if (go) {
          const TPrintReport report = versions.empty() ? PrintQuiz(Quiz(), options) : PrintVersions(versions, options);
          QString done = QStringLiteral("Printed %1 on %2.")
                             .arg(PrintedText(report, std::max<int>(1, static_cast<int>(versions.size()))),
                                  printSettings_.PrinterName);
          if (!pdfName.isEmpty()) {
            QStringList files;
            for (const TPrintedJob& job : report.Jobs)
              files << QDir::toNativeSeparators(PdfJobFileName(pdfName, job.Job));
            done = QStringLiteral("Saved as PDF: %1").arg(files.join(QStringLiteral(", ")));
          }
          statusBar()->showMessage(done, 15000);
        }
        printSettings_.PrinterIndex = -1;
      }
    } catch (...) {
      // Whatever happened, the screen goes back to its own pages on the
      // selected printer (with the answers when they are shown).
      printers.SetPrinterIndex(remembered);
      document_->LayOutAgain();
      throw;
    }
    printers.SetPrinterIndex(remembered);
    document_->LayOutAgain();
  });
}

}  // namespace sumcraft
