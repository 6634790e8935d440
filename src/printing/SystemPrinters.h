#pragma once
// The system's installed printers (CUPS, through Qt Print Support), put into
// the program's printer list.
//
//   ListSystemPrinters(TPrinters::Instance());   // at start-up, or to refresh
#include "render/Printers.h"

namespace sumcraft {

void ListSystemPrinters(TPrinters& printers);

}  // namespace sumcraft
