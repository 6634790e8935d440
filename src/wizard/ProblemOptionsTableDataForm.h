#pragma once
// TProblemOptionsTableDataForm: the options of table-data sets (step 2 of
// the wizard), section TableDataSettings. The wording comes from a table
// template (editable in the boxes); the sizes of the four numbers are
// stored. The numbers shown are a preview, drawn anew at every refresh.
//
// The two size lists keep the rounding place no larger than the place of
// the numbers' leading digit: rounding to 10^k needs at least k + 1 digits.
#include <array>

#include "quiz/ProblemType.h"
#include "wizard/ProblemOptionsForm.h"

namespace sumcraft {

class TlfComboBox;
class TlfInputField;
class TlfLabel;

class TProblemOptionsTableDataForm : public TProblemOptionsForm {
  Q_OBJECT

public:
  static constexpr QSize kExampleSize{369, 176};
  static constexpr int kNameLength = 10;
  static constexpr int kPredicateLength = 40;

  TProblemOptionsTableDataForm(TPgmSettings& settings, QWidget* parent = nullptr);

  const TOptionsSection& Section() const override { return OptionsSection(ptTables); }

  // What "becoming active" does: RefreshTableData.
  void UpdateExample() override;

  // TableDataType := dataType; the templates of that type in cmbItem, the
  // first selected.
  void FillTemplateList(std::uint8_t dataType);
  // The template named by cmbItem into the options and boxes, then refresh.
  void ApplyTemplate();
  // The boxes into the options, then refresh.
  void ReadTextBoxes();
  // New numbers into the options and the number boxes, then a new example.
  void RefreshTableData();

  TlfLabel* lblDirections;
  TlfLabel* lblSentence;
  TlfComboBox* cmbType;
  TlfComboBox* cmbItem;
  TlfInputField* txtPredicate;
  TlfLabel* lblNumbers;
  TlfLabel* lblDigits;
  TlfComboBox* cmbFirstTermType;   // 2 .. 6 digits
  TlfLabel* lblRoundTo;
  TlfComboBox* cmbSecondTermType;  // no rounding, 10 .. 100,000
  TlfLabel* lblCaptions;
  TlfInputField* txtCaptionHead;
  TlfInputField* txtDataHead;
  std::array<TlfInputField*, 4> txtCaption{};
  std::array<TlfInputField*, 4> txtData{};

  void cmdNextClick() override;

protected:
  void DoLoadSettings(const TStoredOptions& stored) override;

private:
  void CopyTextBoxes();
  void cmbFirstTermTypeChange();
  void cmbSecondTermTypeChange();
  void WriteSizes();
};

}  // namespace sumcraft
