#pragma once
// TLinkLabel: a label showing a web address, blue, green while the mouse is
// over it; a click hands the address to the system's browser.
#include <QString>

#include "widgets/lfLabel.h"

namespace sumcraft {

class TLinkLabel : public TlfLabel {
  Q_OBJECT

public:
  TLinkLabel(const QString& address, QWidget* parent);

  const QString& Address() const { return address_; }
  bool Hovered() const { return hovered_; }

  static const QColor& LinkColor();   // blue
  static const QColor& HoverColor();  // green

signals:
  // Emitted after the address has been handed to the browser.
  void Opened(const QString& address);

protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  void SetHovered(bool hovered);

  QString address_;
  bool hovered_ = false;
  bool pressed_ = false;
};

}  // namespace sumcraft
