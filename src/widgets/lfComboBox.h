#pragma once
// TlfComboBox: a drop-down list (not editable) with a string for the
// dialog's own use. React to the user's choice with QComboBox::activated,
// to any change of the selection with currentIndexChanged.
#include <QComboBox>
#include <QString>

namespace sumcraft {

class TlfComboBox : public QComboBox {
public:
  explicit TlfComboBox(QWidget* parent = nullptr) : QComboBox(parent) {}

  const QString& TagText() const { return tagText_; }
  void SetTagText(const QString& text) { tagText_ = text; }

private:
  QString tagText_;
};

}  // namespace sumcraft
