#include "wizard/TimesTableGrid.h"

#include "widgets/lfCheckbox.h"
#include "widgets/lfLabel.h"
#include "wizard/OptionsFormParts.h"

namespace sumcraft {

namespace {

constexpr const char* kPlural[12] = {"Ones",   "Twos",   "Threes", "Fours",  "Fives",   "Sixes",
                                     "Sevens", "Eights", "Nines",  "Tens",   "Elevens", "Twelves"};
constexpr const char* kSingular[12] = {"One",   "Two",   "Three", "Four", "Five",   "Six",
                                       "Seven", "Eight", "Nine",  "Ten",  "Eleven", "Twelve"};
constexpr const char* kRangeSuffix[3] = {"14", "58", "912"};
constexpr const char* kRangeCaption[3] = {"  1 - 4", "  5 - 8", "  9 - 12"};

constexpr int kColumnWidth = 80;
constexpr int kRowHeight = 112;
constexpr int kTop = 30;

// Restores a mark however the block it guards ends.
class TMark {
public:
  explicit TMark(bool& mark) : mark_(mark) { mark_ = true; }
  ~TMark() { mark_ = false; }
  TMark(const TMark&) = delete;
  TMark& operator=(const TMark&) = delete;

private:
  bool& mark_;
};

}  // namespace

QString TTimesTableGrid::MasterName(int factor) {
  return QStringLiteral("chk") + QLatin1String(kPlural[factor - 1]);
}

QString TTimesTableGrid::RangeName(int factor, int range) {
  return QStringLiteral("chk") + QLatin1String(kSingular[factor - 1]) + QLatin1String(kRangeSuffix[range]);
}

TTimesTableGrid::TTimesTableGrid(QWidget* parent) : QWidget(parent) {
  lblCheckFactors = MakeOptionsLabel(this, QStringLiteral("Check which factors to include:"), 12, 6);
  for (int factor = 1; factor <= kFactors; ++factor) {
    const int column = (factor - 1) / 2;
    const int row = (factor - 1) % 2;
    const int x = 12 + column * kColumnWidth;
    const int y = kTop + row * kRowHeight;
    auto* master = MakeOptionsCheckbox(this, QStringLiteral("%1 and").arg(factor), x, y);
    master->setObjectName(MasterName(factor));
    masters_[static_cast<std::size_t>(factor - 1)] = master;
    // Any change of the state but the grid's own (masterBusy_) passes down,
    // so a screen reader toggling the box works as a click does.
    connect(master, &QCheckBox::stateChanged, this, [this, factor] { MasterClicked(factor); });
    for (int range = 0; range < kRanges; ++range) {
      auto* box = MakeOptionsCheckbox(this, QString::fromLatin1(kRangeCaption[range]), x + 14, y + 24 + range * 24);
      box->setObjectName(RangeName(factor, range));
      // Tab moves from master to master.
      box->setFocusPolicy(Qt::ClickFocus);
      ranges_[static_cast<std::size_t>(factor - 1)][static_cast<std::size_t>(range)] = box;
      connect(box, &QAbstractButton::toggled, this, [this, factor] { RangeToggled(factor); });
    }
  }
  // Tab order: the masters by factor.
  for (int factor = 2; factor <= kFactors; ++factor) setTabOrder(Master(factor - 1), Master(factor));
}

void TTimesTableGrid::SyncFactorBox(int factor) {
  if (propagating_ || masterBusy_) return;
  TMark busy(masterBusy_);
  int checked = 0;
  for (int range = 0; range < kRanges; ++range)
    if (Range(factor, range)->isChecked()) ++checked;
  Master(factor)->setCheckState(checked == kRanges ? Qt::Checked
                                : checked == 0   ? Qt::Unchecked
                                                 : Qt::PartiallyChecked);
}

void TTimesTableGrid::ReadTableBoxes(std::array<std::int32_t, 12>& timesTable) const {
  for (int factor = 1; factor <= kFactors; ++factor) {
    std::int32_t mask = 0;
    for (int range = 0; range < kRanges; ++range)
      if (Range(factor, range)->isChecked()) mask |= 1 << range;
    timesTable[static_cast<std::size_t>(factor - 1)] = mask;
  }
}

void TTimesTableGrid::ShowTableRow(int factor, std::int32_t mask) {
  for (int range = 0; range < kRanges; ++range) Range(factor, range)->setChecked((mask & (1 << range)) != 0);
  // A row whose boxes did not change still gets a master that matches them.
  SyncFactorBox(factor);
}

void TTimesTableGrid::MasterClicked(int factor) {
  if (masterBusy_) return;
  {
    TMark busy(masterBusy_);
    TMark passing(propagating_);
    const bool on = Master(factor)->checkState() == Qt::Checked;
    for (int range = 0; range < kRanges; ++range) Range(factor, range)->setChecked(on);
  }
  emit Changed();
}

void TTimesTableGrid::RangeToggled(int factor) {
  SyncFactorBox(factor);
  // A master passing its state down reports the change once, itself.
  if (!propagating_) emit Changed();
}

}  // namespace sumcraft
