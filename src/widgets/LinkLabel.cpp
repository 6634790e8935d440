#include "widgets/LinkLabel.h"

#include <QDesktopServices>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QUrl>

namespace sumcraft {

TLinkLabel::TLinkLabel(const QString& address, QWidget* parent) : TlfLabel(address, parent), address_(address) {
  setTextFormat(Qt::PlainText);
  setCursor(Qt::PointingHandCursor);
  QFont underlined = font();
  underlined.setUnderline(true);
  setFont(underlined);
  SetHovered(false);
}

const QColor& TLinkLabel::LinkColor() {
  static const QColor color(0, 0, 255);
  return color;
}

const QColor& TLinkLabel::HoverColor() {
  static const QColor color(0, 128, 0);
  return color;
}

void TLinkLabel::SetHovered(bool hovered) {
  hovered_ = hovered;
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, hovered ? HoverColor() : LinkColor());
  setPalette(colours);
}

void TLinkLabel::enterEvent(QEnterEvent* event) {
  SetHovered(true);
  TlfLabel::enterEvent(event);
}

void TLinkLabel::leaveEvent(QEvent* event) {
  SetHovered(false);
  TlfLabel::leaveEvent(event);
}

void TLinkLabel::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  TlfLabel::mousePressEvent(event);
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  TlfLabel::mouseReleaseEvent(event);
  if (!click) return;
  QDesktopServices::openUrl(QUrl(address_));
  emit Opened(address_);
}

}  // namespace sumcraft
