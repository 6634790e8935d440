#pragma once
// TProblemOptionsGraphForm: the options of bar-graph sets (step 2 of the
// wizard), section GraphSettings. The wording comes from a table template
// (editable in the boxes), as for table-data sets; the graph type and the
// scale are stored. The example is the bar graph itself, drawn with new
// bar values at every refresh on a page at reduced scale.
//
// The scale keys are kept as text in the file; a value that is not a
// positive whole number falls back to its default.
#include <array>

#include "quiz/ProblemType.h"
#include "wizard/ProblemOptionsForm.h"

namespace sumcraft {

class TlfComboBox;
class TlfInputField;
class TlfLabel;

class TProblemOptionsGraphForm : public TProblemOptionsForm {
  Q_OBJECT

public:
  static constexpr QSize kExampleSize{600, 774};
  static constexpr int kLegendLength = 15;
  static constexpr int kCaptionLength = 10;
  static constexpr int kPredicateLength = 40;

  TProblemOptionsGraphForm(TPgmSettings& settings, QWidget* parent = nullptr);

  const TOptionsSection& Section() const override { return OptionsSection(ptGraphs); }

  // What "becoming active" does: DrawGraphExample.
  void UpdateExample() override;

  void FillTemplateList(std::uint8_t dataType);
  void ApplyTemplate();
  void ReadTextBoxes();
  // New bar values, and the graph drawn on a page into the example image.
  void DrawGraphExample();
  int GraphExamplesDrawn() const { return graphExamplesDrawn_; }

  // A settings text as a whole number; `fallback` when it is none.
  static std::int32_t WholeNumber(const std::string& text, std::int32_t fallback);

  TlfLabel* lblDirections;
  TlfLabel* lblSentence;
  TlfComboBox* cmbType;
  TlfComboBox* cmbItem;
  TlfInputField* txtPredicate;
  TlfLabel* lblAxes;
  TlfLabel* lblXLegend;
  TlfInputField* txtXLegendTitle;
  TlfLabel* lblYLegend;
  TlfInputField* txtYLegendTitle;
  TlfLabel* lblCaptions;
  std::array<TlfLabel*, 4> lblCaption{};
  std::array<TlfInputField*, 4> txtCaption{};
  TlfLabel* lblGraphType;
  TlfComboBox* cmbGraphType;       // 0 horizontal, 1 vertical bars
  TlfLabel* lblDigits;
  TlfComboBox* cmbFirstTermType;   // 1 .. 3 digits
  // Never shown.
  TlfLabel* lblOrientation;
  TlfLabel* lblIncrementCount;
  TlfInputField* txtIncrementCount;
  TlfLabel* lblStepSize;
  TlfInputField* txtStepSize;
  TlfLabel* lblRoundTo;
  TlfComboBox* cmbSecondTermType;
  TlfLabel* lblTitle;
  TlfInputField* txtGraphTitle;

  void cmdNextClick() override;

protected:
  void DoLoadSettings(const TStoredOptions& stored) override;

private:
  void CopyTextBoxes();
  int graphExamplesDrawn_ = 0;
};

}  // namespace sumcraft
