#pragma once
// TTimesTableGrid: the times-table page of the multiplication and division
// dialogs: "Check which factors to include:" and twelve factor groups in
// six columns and two rows (1, 3, .., 11 above; 2, 4, .., 12 below). Each
// group is a master box "<k> and" over the range boxes "  1 - 4",
// "  5 - 8" and "  9 - 12" (skipped by Tab).
//
// The master follows its ranges: all three checked gives checked, one or
// two the mixed state, none unchecked. A click on a master makes it
// checked (from unchecked or mixed) or unchecked (from checked), and its
// ranges follow it. Each user change of the grid emits Changed() once.
#include <QWidget>
#include <array>
#include <cstdint>

namespace sumcraft {

class TlfCheckbox;
class TlfLabel;

class TTimesTableGrid : public QWidget {
  Q_OBJECT

public:
  static constexpr int kFactors = 12;
  static constexpr int kRanges = 3;  // 1 - 4, 5 - 8, 9 - 12: bits 0, 1, 2

  explicit TTimesTableGrid(QWidget* parent = nullptr);

  // Factor 1..12.
  TlfCheckbox* Master(int factor) const { return masters_.at(static_cast<std::size_t>(factor - 1)); }
  // Range 0 (1 - 4), 1 (5 - 8), 2 (9 - 12) of factor 1..12.
  TlfCheckbox* Range(int factor, int range) const {
    return ranges_.at(static_cast<std::size_t>(factor - 1)).at(static_cast<std::size_t>(range));
  }

  // Sets factor's master from its three range boxes. Does nothing while a
  // master is passing its state down to its ranges, or when already running.
  void SyncFactorBox(int factor);
  // timesTable[k - 1] = 1 (1 - 4 checked) + 2 (5 - 8) + 4 (9 - 12) for every
  // factor k; the masters are not read.
  void ReadTableBoxes(std::array<std::int32_t, 12>& timesTable) const;
  // Checks factor's range boxes by the bits 0, 1, 2 of mask; the master
  // follows.
  void ShowTableRow(int factor, std::int32_t mask);

  // The box names as the dialogs know them: chkOnes .. chkTwelves and
  // chkOne14 .. chkTwelve912.
  static QString MasterName(int factor);
  static QString RangeName(int factor, int range);

  TlfLabel* lblCheckFactors;

signals:
  // The user changed the selection (a master or a range box).
  void Changed();

private:
  void MasterClicked(int factor);
  void RangeToggled(int factor);

  std::array<TlfCheckbox*, kFactors> masters_{};
  std::array<std::array<TlfCheckbox*, kRanges>, kFactors> ranges_{};
  bool masterBusy_ = false;   // SyncFactorBox is setting a master
  bool propagating_ = false;  // a master is setting its ranges
};

}  // namespace sumcraft
