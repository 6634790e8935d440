#pragma once
// An installed printer of the system, through Qt Print Support (CUPS).
#include <QPrinter>
#include <QPrinterInfo>
#include <memory>

#include "render/PrinterDevice.h"

namespace sumcraft {

class TSystemPrinter : public TPrinterDevice {
public:
  explicit TSystemPrinter(const QPrinterInfo& info);
  ~TSystemPrinter() override;

  QString Name() const override { return info_.printerName(); }
  int ResolutionX() const override;
  int ResolutionY() const override;
  int PrintableWidth() const override;
  int PrintableHeight() const override;
  int PhysicalWidth() const override;
  int PhysicalHeight() const override;
  int OffsetX() const override;
  int OffsetY() const override;

  QPainter* BeginDoc(const QString& title) override;
  void NewPage() override;
  void EndDoc() override;
  void Abort() override;
  bool IsPrinting() const override { return painter_ != nullptr; }
  QPainter* Painter() override { return painter_.get(); }

  // The underlying printer (created on first use), e.g. for a setup dialog.
  QPrinter& Printer() const;

private:
  QRect PaintRect() const;
  QRect FullRect() const;

  QPrinterInfo info_;
  mutable std::unique_ptr<QPrinter> printer_;
  std::unique_ptr<QPainter> painter_;
};

}  // namespace sumcraft
