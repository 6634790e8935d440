#pragma once
// A printer as the page store sees it: resolution, printable area, paper,
// offsets, and a print job. Implementations: TPdfPrinter ("Save as PDF",
// always present), TSystemPrinter (Qt Print Support) and TFakePrinter (tests).
// The process-wide list with the selected printer is TPrinters (Printers.h).
#include <QPainter>
#include <QString>
#include <stdexcept>

namespace sumcraft {

// A print job could not be started, continued or finished; the message says
// why and is meant for the user.
class TPrintError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

class TPrinterDevice {
public:
  virtual ~TPrinterDevice() = default;

  // The name shown in printer lists.
  virtual QString Name() const = 0;

  // Pixels per inch.
  virtual int ResolutionX() const = 0;
  virtual int ResolutionY() const = 0;
  // The printable area in device pixels (the page store's page).
  virtual int PrintableWidth() const = 0;
  virtual int PrintableHeight() const = 0;
  // The paper in device pixels.
  virtual int PhysicalWidth() const = 0;
  virtual int PhysicalHeight() const = 0;
  // Where the printable area starts on the paper, device pixels.
  virtual int OffsetX() const = 0;
  virtual int OffsetY() const = 0;

  // ---- The job. BeginDoc starts a document and its first page and returns
  // a painter whose coordinates are device pixels with (0, 0) at the
  // printable area's top-left; it stays valid until EndDoc or Abort.
  // BeginDoc, NewPage and EndDoc throw TPrintError on failure; Abort never
  // throws and does nothing when no job runs. A failed BeginDoc leaves no job.
  virtual QPainter* BeginDoc(const QString& title) = 0;
  virtual void NewPage() = 0;
  virtual void EndDoc() = 0;
  virtual void Abort() = 0;
  virtual bool IsPrinting() const = 0;
  // The running job's painter, nullptr when none.
  virtual QPainter* Painter() = 0;
};

}  // namespace sumcraft
