#include "printing/SystemPrinters.h"

#include <QPrinterInfo>

#include "printing/SystemPrinter.h"

namespace sumcraft {

void ListSystemPrinters(TPrinters& printers) {
  std::vector<std::unique_ptr<TPrinterDevice>> found;
  int defaultIndex = -1;
  const QString defaultName = QPrinterInfo::defaultPrinterName();
  for (const QPrinterInfo& info : QPrinterInfo::availablePrinters()) {
    if (info.printerName() == defaultName) defaultIndex = static_cast<int>(found.size());
    found.push_back(std::make_unique<TSystemPrinter>(info));
  }
  printers.SetSystemPrinters(std::move(found), defaultIndex);
}

}  // namespace sumcraft
