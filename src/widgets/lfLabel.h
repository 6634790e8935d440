#pragma once
// TlfLabel: static text with two strings for the dialog's own use; neither
// changes what the label shows.
#include <QLabel>
#include <QString>

namespace sumcraft {

class TlfLabel : public QLabel {
public:
  explicit TlfLabel(QWidget* parent = nullptr) : QLabel(parent) {}
  TlfLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

  const QString& TagText() const { return tagText_; }
  void SetTagText(const QString& text) { tagText_ = text; }
  const QString& FormatString() const { return formatString_; }
  void SetFormatString(const QString& format) { formatString_ = format; }

private:
  QString tagText_;
  QString formatString_;
};

}  // namespace sumcraft
