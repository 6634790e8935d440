#include "widgets/lfCheckbox.h"

namespace sumcraft {

void TlfCheckbox::nextCheckState() {
  switch (checkState()) {
    case Qt::Unchecked:
      setCheckState(allowGrayed_ ? Qt::PartiallyChecked : Qt::Checked);
      break;
    case Qt::PartiallyChecked:
      setCheckState(Qt::Checked);
      break;
    case Qt::Checked:
      setCheckState(Qt::Unchecked);
      break;
  }
}

}  // namespace sumcraft
