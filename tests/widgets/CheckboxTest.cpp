#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QWidget>

#include "widgets/lfCheckbox.h"

namespace sumcraft {
namespace {

TEST(CheckboxTest, ClicksSkipTheMixedStateUnlessGreyIsAllowed) {
  QWidget parent;
  TlfCheckbox box(QStringLiteral("  4 and"), &parent);
  box.click();
  EXPECT_EQ(box.checkState(), Qt::Checked);
  box.click();
  EXPECT_EQ(box.checkState(), Qt::Unchecked);

  // The program may show the mixed state; a click then checks the box.
  box.setCheckState(Qt::PartiallyChecked);
  QSignalSpy clicked(&box, &QAbstractButton::clicked);
  box.click();
  EXPECT_EQ(box.checkState(), Qt::Checked);
  EXPECT_EQ(clicked.count(), 1);
  box.click();
  EXPECT_EQ(box.checkState(), Qt::Unchecked);
  box.click();
  EXPECT_EQ(box.checkState(), Qt::Checked);
}

TEST(CheckboxTest, WithGreyAllowedAClickGoesThroughAllThreeStates) {
  QWidget parent;
  TlfCheckbox box(QStringLiteral("box"), &parent);
  box.SetAllowGrayed(true);
  box.click();
  EXPECT_EQ(box.checkState(), Qt::PartiallyChecked);
  box.click();
  EXPECT_EQ(box.checkState(), Qt::Checked);
  box.click();
  EXPECT_EQ(box.checkState(), Qt::Unchecked);
}

TEST(CheckboxTest, EveryChangeOfStateIsReportedTheProgramsIncluded) {
  QWidget parent;
  TlfCheckbox box(QStringLiteral("box"), &parent);
  QSignalSpy changed(&box, &QCheckBox::stateChanged);
  box.setCheckState(Qt::PartiallyChecked);
  box.setChecked(true);
  box.click();
  ASSERT_EQ(changed.count(), 3);
  EXPECT_EQ(changed.at(0).at(0).toInt(), Qt::PartiallyChecked);
  EXPECT_EQ(changed.at(2).at(0).toInt(), Qt::Unchecked);
}

}  // namespace
}  // namespace sumcraft
