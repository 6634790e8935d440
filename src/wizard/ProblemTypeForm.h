#pragma once
// TProblemTypeForm: step 1 of the question-add wizard, the choice of the
// problem type among eleven radio buttons in three columns.
//
// Checking a radio button writes its code into the bound set's
// Options.Operand and into ChosenType(); the wizard goes on to the options
// dialog of ChosenType(). Ends with wrNext ("Next", the default button:
// Enter) or wrCancel ("Cancel", Escape). Created once: the checked button and the chosen type last until
// the program ends (Addition at start).
#include <QDialog>
#include <array>
#include <cstdint>

#include "quiz/ProblemType.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace sumcraft {

class TQuestionSet;
class TlfLabel;
class TlfRadioButton;

class TProblemTypeForm : public QDialog {
  Q_OBJECT

public:
  explicit TProblemTypeForm(QWidget* parent = nullptr);

  // Keeps a reference to the WorkingSet (not owned) and puts the chosen
  // type into its Operand, so that the two agree whatever set is bound.
  void SetQuestionSet(TQuestionSet& set);

  std::uint8_t ChosenType() const { return chosenType_; }

  QLabel* imgWizard;
  TlfLabel* lblInstructions1;
  TlfLabel* lblInstructions2;
  QGroupBox* grpProblemType;
  TlfRadioButton* optAddition;
  TlfRadioButton* optSubtraction;
  TlfRadioButton* optMultiplication;
  TlfRadioButton* optDivision;
  TlfRadioButton* optComparison;
  TlfRadioButton* optMoney;
  TlfRadioButton* optFractions;
  TlfRadioButton* optTime;
  TlfRadioButton* optRounding;
  TlfRadioButton* optTables;
  TlfRadioButton* optGraphs;
  QPushButton* cmdNext;
  QPushButton* cmdCancel;

  // The radio button of a type code; nullptr for codes without one.
  TlfRadioButton* RadioFor(std::uint8_t type) const;

private:
  void TypeChecked(std::uint8_t type);

  TQuestionSet* set_ = nullptr;
  std::uint8_t chosenType_ = ptAddition;
  std::array<std::pair<TlfRadioButton*, std::uint8_t>, 11> radios_{};
};

}  // namespace sumcraft
