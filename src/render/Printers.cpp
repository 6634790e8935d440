#include "render/Printers.h"

#include <algorithm>
#include <stdexcept>

namespace sumcraft {

TPrinters& TPrinters::Instance() {
  static TPrinters printers;
  return printers;
}

TPrinters::TPrinters() : pdfOwned_(std::make_unique<TPdfPrinter>()), pdf_(pdfOwned_.get()) {
  SetSystemPrinters({}, -1);
}

void TPrinters::SetSystemPrinters(std::vector<std::unique_ptr<TPrinterDevice>> found, int defaultIndex) {
  const TPrinterDevice* selectedDevice = devices_.empty() ? nullptr : &Current();

  std::vector<std::unique_ptr<TPrinterDevice>> fresh;
  defaultSystem_ = -1;
  for (std::size_t i = 0; i < found.size(); ++i) {
    auto same = std::find_if(system_.begin(), system_.end(),
                             [&](const auto& d) { return d && d->Name() == found[i]->Name(); });
    fresh.push_back(same != system_.end() ? std::move(*same) : std::move(found[i]));
    if (static_cast<int>(i) == defaultIndex) defaultSystem_ = static_cast<int>(fresh.size()) - 1;
  }
  for (auto& gone : system_) {
    if (gone) gone->Abort();
  }
  system_ = std::move(fresh);

  devices_.clear();
  for (auto& d : system_) devices_.push_back(d.get());
  devices_.push_back(pdf_);
  for (auto& d : installed_) devices_.push_back(d.get());

  // Printer objects that are still there kept their address.
  const int kept = IndexOf(selectedDevice);
  index_ = kept >= 0 ? kept : DefaultIndex();
}

int TPrinters::DefaultIndex() const {
  if (defaultSystem_ >= 0) return defaultSystem_;
  return IndexOf(pdf_);
}

TPrinterDevice& TPrinters::Item(int index) const {
  if (index < 0 || index >= Count()) throw std::out_of_range("No printer with index " + std::to_string(index) + ".");
  return *devices_[static_cast<std::size_t>(index)];
}

QStringList TPrinters::Names() const {
  QStringList names;
  for (const TPrinterDevice* d : devices_) names << d->Name();
  return names;
}

int TPrinters::IndexOf(const TPrinterDevice* device) const {
  const auto it = std::find(devices_.begin(), devices_.end(), device);
  return it == devices_.end() ? -1 : static_cast<int>(it - devices_.begin());
}

void TPrinters::SetPrinterIndex(int index) {
  if (index == -1) {
    index_ = DefaultIndex();
    return;
  }
  Item(index);  // throws when out of range
  index_ = index;
}

TPrinterDevice& TPrinters::Install(std::unique_ptr<TPrinterDevice> device, bool select) {
  TPrinterDevice& d = *device;
  installed_.push_back(std::move(device));
  devices_.push_back(&d);
  if (select) index_ = Count() - 1;
  return d;
}

void TPrinters::Uninstall(const TPrinterDevice* device) {
  const auto it = std::find_if(installed_.begin(), installed_.end(), [&](const auto& d) { return d.get() == device; });
  if (it == installed_.end()) return;
  const TPrinterDevice* selected = &Current();
  (*it)->Abort();
  devices_.erase(std::find(devices_.begin(), devices_.end(), device));
  installed_.erase(it);
  if (selected == device) {
    index_ = DefaultIndex();
  } else {
    index_ = IndexOf(selected);
  }
}

}  // namespace sumcraft
