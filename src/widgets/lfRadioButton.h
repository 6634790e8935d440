#pragma once
// TlfRadioButton: a radio button with a string for the dialog's own use.
// Radio buttons with the same parent exclude each other.
#include <QRadioButton>
#include <QString>

namespace sumcraft {

class TlfRadioButton : public QRadioButton {
public:
  explicit TlfRadioButton(QWidget* parent = nullptr) : QRadioButton(parent) {}
  TlfRadioButton(const QString& text, QWidget* parent) : QRadioButton(text, parent) {}

  const QString& TagText() const { return tagText_; }
  void SetTagText(const QString& text) { tagText_ = text; }

private:
  QString tagText_;
};

}  // namespace sumcraft
