#pragma once
// The process-wide printer list with its selected ("current") printer, like
// the platform's printer object: the system's printers, then the built-in
// "Save as PDF" printer (always there, so the list is never empty), then any
// devices installed by tests or tools. The system's printers come from the
// printing library (printing/SystemPrinters.h), so that what only draws and
// writes PDFs (sumcraft-cli, the fuzzers) needs no print system.
//
//   TPrinters& printers = TPrinters::Instance();
//   ListSystemPrinters(printers);               // the program, at start-up
//   printers.SetPrinterIndex(i);                // what the print dialog chose
//   TPrinterDevice& p = CurrentPrinter();
//
//   auto fake = std::make_unique<TFakePrinter>();  // in a test
//   TFakePrinter& f = *fake;
//   printers.Install(std::move(fake));          // now current
//   ...
//   printers.Uninstall(&f);
//
// GUI thread only.
#include <QStringList>
#include <memory>
#include <vector>

#include "render/PdfPrinter.h"
#include "render/PrinterDevice.h"

namespace sumcraft {

class TPrinters {
public:
  // The one list, built on first use with no system printers.
  static TPrinters& Instance();

  // Replaces the system's printers with `found`, `defaultIndex` being the
  // system's default among them (-1: none). A printer already listed under
  // the same name keeps its object, so a running job and its settings
  // survive. The selection stays on the printer of the same name when it
  // still exists; otherwise it goes to the system's default printer, or to
  // "Save as PDF" when there is none. A running job on a system printer that
  // disappears is abandoned.
  void SetSystemPrinters(std::vector<std::unique_ptr<TPrinterDevice>> found, int defaultIndex);

  int Count() const { return static_cast<int>(devices_.size()); }
  TPrinterDevice& Item(int index) const;
  QStringList Names() const;
  // Index of the device in the list, -1 when not in it.
  int IndexOf(const TPrinterDevice* device) const;

  int PrinterIndex() const { return index_; }
  // Selects a printer; -1 selects the default one (as after Refresh).
  // Throws std::out_of_range for other indexes outside the list.
  void SetPrinterIndex(int index);
  TPrinterDevice& Current() const { return Item(index_); }

  TPdfPrinter& Pdf() const { return *pdf_; }
  void SelectPdf() { index_ = IndexOf(pdf_); }

  // Appends a device (a TFakePrinter, say) and, when `select`, selects it.
  TPrinterDevice& Install(std::unique_ptr<TPrinterDevice> device, bool select = true);
  // Removes an installed device; the selection falls back to the default
  // printer when it was selected.
  void Uninstall(const TPrinterDevice* device);

private:
  TPrinters();
  int DefaultIndex() const;

  std::vector<std::unique_ptr<TPrinterDevice>> system_;
  std::unique_ptr<TPdfPrinter> pdfOwned_;
  TPdfPrinter* pdf_ = nullptr;
  std::vector<std::unique_ptr<TPrinterDevice>> installed_;
  std::vector<TPrinterDevice*> devices_;  // the list in order
  int defaultSystem_ = -1;
  int index_ = 0;
};

inline TPrinterDevice& CurrentPrinter() { return TPrinters::Instance().Current(); }

}  // namespace sumcraft
