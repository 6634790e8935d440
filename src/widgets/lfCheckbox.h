#pragma once
// TlfCheckbox: a check box with a third, mixed state and a string for the
// dialog's own use.
//
// The program may set any of the three states (setCheckState). What a click
// does depends on AllowGrayed: off (the default), a click checks an
// unchecked or mixed box and unchecks a checked one, so the mixed state
// only ever comes from the program; on, a click goes from unchecked to mixed
// to checked and back to unchecked.
//
// React to clicks with QAbstractButton::clicked, to every change of the
// state (the program's included) with stateChanged.
#include <QCheckBox>
#include <QString>

namespace sumcraft {

class TlfCheckbox : public QCheckBox {
public:
  explicit TlfCheckbox(QWidget* parent = nullptr) : QCheckBox(parent) {}
  TlfCheckbox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {}

  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool on) { allowGrayed_ = on; }

  const QString& TagText() const { return tagText_; }
  void SetTagText(const QString& text) { tagText_ = text; }

protected:
  void nextCheckState() override;

private:
  bool allowGrayed_ = false;
  QString tagText_;
};

}  // namespace sumcraft
