#pragma once
// TMetaReport: the page store. Holds the pages of one laid-out quiz, each
// recorded once through a TCanvas as a display list in page units (device
// pixels of the printer, origin at its printable area's top-left), then
// replayed any number of times: stretched onto the preview image or printed.
//
// States: open (pages can be added and drawn on) -> Close() -> closed (only
// replay) -> Reset() -> open with one empty page. Showing or printing closes.
//
//   pages.Reset();                               // page 1 open and current
//   pages.SetMarginsInches(...);
//   TCanvas& c = *pages.CurrentCanvas();         // draw page 1
//   pages.NewPage();                             // page 2 is current
//   ...
//   pages.ShowPage(n, image, false);             // preview (closes)
//   pages.Print();                               // one job, every page
//
// The printer is the process-wide current printer (TPrinters) unless one is
// set with SetPrinter. GUI thread only.
#include <QImage>
#include <QSize>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

#include "quiz/QuizPages.h"
#include "render/Canvas.h"
#include "render/DisplayList.h"
#include "render/PrinterDevice.h"

namespace sumcraft {

class TMetaReport : public TQuizPages {
public:
  // Create: no pages, ActivePage 0, open.
  TMetaReport();
  // Destroy: frees every page; abandons a running print job of its printer.
  ~TMetaReport() override;
  TMetaReport(const TMetaReport&) = delete;
  TMetaReport& operator=(const TMetaReport&) = delete;

  // The printer measured and printed on: `printer` (not owned; it must
  // outlive the store or be unset), or the current printer when nullptr.
  void SetPrinter(TPrinterDevice* printer) { printer_ = printer; }
  TPrinterDevice& Printer() const;

  // Abandons a running print job; drops every page; reads offsets and
  // resolutions from the printer; margins one inch inside the printable
  // area; then adds page 1 (NewPage).
  void Reset();

  // Appends a page and makes it current; its canvas has a clear brush and
  // font Arial 10 pt at ResolutionY. Returns its number, or 0 when closed.
  int NewPage();

  // The canvas of page n (1-based); nullptr outside 1..PageCount or when closed.
  TCanvas* PageCanvas(int n) const;
  // The canvas of ActivePage; nullptr when there is none.
  TCanvas* CurrentCanvas() const { return PageCanvas(activePage_); }
  // The recorded page n, only when closed and 1 <= n <= PageCount.
  const TDisplayList* PagePicture(int n) const;
  // The recording of page n whether closed or not (tests, the CLI's JSON
  // dump); nullptr outside 1..PageCount.
  const TDisplayList* PageOps(int n) const;

  // Ends recording: drops the canvases; pages can only be replayed.
  void Close();
  // Closes both stores and moves the pages of `other` (laid out on the same
  // printer) behind these: the versions of a quiz become one document.
  // `other` is left without pages.
  void AppendPages(TMetaReport& other);

  // A throw-away canvas prepared as a page canvas (font Arial 10 pt at
  // ResolutionY, clear brush) that measures and records nothing.
  TCanvas NewScratchCanvas() const;

  // The paper in printer pixels, asked of the printer on every call.
  QSize PhysicalPageSize() const;
  // Trunc(ResolutionX * v) with the product in single precision.
  int InchesToPixelsX(float inches) const;
  int InchesToPixelsY(float inches) const;
  // Left and top are page coordinates; the right and bottom insets are
  // measured from the paper's width and height.
  void SetMargins(int left, int top, int rightInset, int bottomInset);
  void SetMarginsInches(float left, float top, float right, float bottom);

  // Draws page n onto `image` (W x H): a white page with a black frame, then
  // the page stretched over (0, 0, W, H), or unscaled at (15, 5) when
  // actualSize. Closes the store. Nothing happens for a page outside
  // 1..PageCount or a null image. The image is converted to RGB32 when its
  // format cannot be painted on.
  void ShowPage(int n, QImage& image, bool actualSize);

  // One print job holding every page once, each stretched over the printable
  // area. Closes the store; nothing happens without pages. Throws TPrintError
  // (or what drawing threw) after ending the document when something fails.
  void Print();

  // XOR frame on the preview image: the rectangle (Nearest(x1 * scaleX),
  // Nearest(y1 * scaleY), Nearest(x2 * scaleX), Nearest(y2 * scaleY)), green
  // (0, 128, 0), pen 4 pixels, no fill. Drawing the same frame again removes it.
  static void DrawSelectionFrame(int x1, int y1, int x2, int y2, QImage& image, double scaleY, double scaleX);

  // ---- Fields.
  int ActivePage() const { return activePage_; }
  int PageCount() const override { return static_cast<int>(pictures_.size()); }
  bool Closed() const { return closed_; }
  int ResolutionX() const { return resolutionX_; }
  int ResolutionY() const { return resolutionY_; }
  int OffsetX() const { return offsetX_; }
  int OffsetY() const { return offsetY_; }
  // The printable area as read by the last Reset, in page units: the extent
  // of every page's picture (kept, so that pages replay as recorded even
  // when another printer has been selected since).
  int PrintableWidth() const { return printableWidth_; }
  int PrintableHeight() const { return printableHeight_; }
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Right() const { return right_; }
  int Bottom() const { return bottom_; }
  const QString& Title() const { return title_; }
  void SetTitle(const QString& title) { title_ = title; }

private:
  void PrepareCanvas(TCanvas& canvas) const;

  TPrinterDevice* printer_ = nullptr;
  int activePage_ = 0;
  std::vector<std::unique_ptr<TCanvas>> canvases_;
  std::vector<std::unique_ptr<TDisplayList>> pictures_;
  bool closed_ = false;
  int resolutionX_ = 96, resolutionY_ = 96;
  int offsetX_ = 0, offsetY_ = 0;
  int printableWidth_ = 0, printableHeight_ = 0;
  int left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
  QString title_;
};

}  // namespace sumcraft
