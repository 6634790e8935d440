#pragma once
// The built-in "Save as PDF" printer: always in the printer list. One print
// job writes one PDF file, through TPdfOutput (the writer of the command-line
// tool too: the same pages give the same bytes from either), to the file set
// with SetOutputFile before the job; the file is replaced only once written
// whole.
//
//   TPdfPrinter& pdf = TPrinters::Instance().Pdf();
//   pdf.SetPaper(TPaper::A4);
//   pdf.SetOutputFile("quiz.pdf");
//   Layout(quiz, false, &pdf);
//   pdf.WriteDocument(QuizPages(quiz), "Fractions, week 3");
//
// It writes whole documents from the page store, never through a painter:
// BeginDoc refuses, so a job reaches it only through WriteDocument (which
// PrintQuiz uses for it).
#include <QByteArray>
#include <QLocale>
#include <functional>
#include <memory>

#include "render/PrinterDevice.h"

namespace sumcraft {

class TMetaReport;
class TPdfOutput;

enum class TPaper { Letter, A4 };

// The paper a desk printer sold there uses: Letter in the United States and
// Canada, A4 everywhere else.
TPaper PaperForLocale(const QLocale& locale);

class TPdfPrinter : public TPrinterDevice {
public:
  static constexpr int kDefaultResolution = 600;
  static constexpr int kMinResolution = 72;
  static constexpr int kMaxResolution = 2400;

  TPdfPrinter();
  ~TPdfPrinter() override;

  // Letter by default.
  void SetPaper(TPaper paper) { paper_ = paper; }
  TPaper Paper() const { return paper_; }
  // 600 by default; outside kMinResolution..kMaxResolution throws
  // std::invalid_argument.
  void SetResolution(int dpi);
  int Resolution() const { return dpi_; }
  void SetOutputFile(const QString& path) { path_ = path; }
  QString OutputFile() const { return path_; }
  // Instead of the file: each document goes whole to sink (the command-line
  // tool's standard output), which throws when it cannot take it. An empty
  // sink goes back to the file.
  void SetOutputSink(std::function<void(const QByteArray&)> sink) { sink_ = std::move(sink); }

  // One job: every page of the closed store `pages`, laid out on this
  // printer, into the output file, with `title` as the document's title.
  // Throws TPrintError when no file is set or it cannot be written; the old
  // file then stays as it was.
  void WriteDocument(const TMetaReport& pages, const QString& title);

  QString Name() const override;
  int ResolutionX() const override { return dpi_; }
  int ResolutionY() const override { return dpi_; }
  // The page keeps an unprinted quarter inch at the left and the right, as
  // a desk printer does: the layout's side margins come out half an inch
  // each only with such an offset (without one the content sits an inch
  // left of centre and money or word problems fit one a row). Top and
  // bottom need none: the footer stands in the bottom margin.
  static constexpr double kUnprintedSideInches = 0.25;
  int PrintableWidth() const override { return PhysicalWidth() - 2 * OffsetX(); }
  int PrintableHeight() const override { return PhysicalHeight(); }
  int PhysicalWidth() const override;
  int PhysicalHeight() const override;
  int OffsetX() const override { return static_cast<int>(kUnprintedSideInches * dpi_); }
  int OffsetY() const override { return 0; }

  // No painter jobs (see above): BeginDoc and NewPage throw TPrintError.
  QPainter* BeginDoc(const QString& title) override;
  void NewPage() override;
  void EndDoc() override {}
  void Abort() override {}
  bool IsPrinting() const override { return false; }
  QPainter* Painter() override { return nullptr; }

private:
  TPaper paper_ = TPaper::Letter;
  int dpi_ = kDefaultResolution;
  QString path_;
  std::function<void(const QByteArray&)> sink_;
  // Kept from job to job: the answer key's pictures are the quiz's, and are
  // not encoded again.
  std::unique_ptr<TPdfOutput> output_;
};

}  // namespace sumcraft
