#include "wizard/ProblemOptionsGraphForm.h"

#include <QPainter>
#include <algorithm>
#include <charconv>
#include <exception>
#include <initializer_list>

#include "generate/Generators.h"
#include "render/CodePage1252.h"
#include "render/MetaReport.h"
#include "render/Rounding.h"
#include "render/TableGraphDrawing.h"
#include "widgets/lfComboBox.h"
#include "widgets/lfInputField.h"
#include "widgets/lfLabel.h"
#include "wizard/OptionsFormParts.h"
#include "wizard/TemplateChoice.h"

namespace sumcraft {

TProblemOptionsGraphForm::TProblemOptionsGraphForm(TPgmSettings& settings, QWidget* parent)
    : TProblemOptionsForm(settings, parent) {
  SetInstructions(QStringLiteral("Click the options below to set the text of the problem directions,"),
                  QStringLiteral("then set the properties of the graph itself."));

  lblDirections = MakeOptionsHeading(
      this, QStringLiteral("Select options to determine the text of the problem directions:"), 40, 80);
  lblSentence = MakeOptionsLabel(this, QStringLiteral("The graph"), 60, 110);
  cmbType = new TlfComboBox(this);
  cmbType->addItems(DataTypeItems());
  cmbType->setGeometry(136, 105, 180, 26);
  cmbType->setCurrentIndex(0);
  cmbItem = new TlfComboBox(this);
  cmbItem->setGeometry(322, 105, 200, 26);
  txtPredicate = MakeOptionsTextBox(this, QRect(528, 106, 273, 24), kPredicateLength);

  lblAxes = MakeOptionsHeading(this, QStringLiteral("Set titles for the axes:"), 40, 150);
  lblXLegend = MakeOptionsLabel(this, QStringLiteral("Datasets Legend:"), 60, 180);
  txtXLegendTitle = MakeOptionsTextBox(this, QRect(176, 176, 160, 24), kLegendLength);
  lblYLegend = MakeOptionsLabel(this, QStringLiteral("Count Legend:"), 60, 212);
  txtYLegendTitle = MakeOptionsTextBox(this, QRect(176, 208, 160, 24), kLegendLength);

  lblCaptions = MakeOptionsHeading(this, QStringLiteral("Set captions for the data sets:"), 40, 250);
  for (int i = 0; i < 4; ++i) {
    // Two per column: sets 1 and 2 on the left, 3 and 4 on the right.
    const int x = i < 2 ? 60 : 226;
    const int y = 280 + (i % 2) * 32;
    lblCaption[i] = MakeOptionsLabel(this, QStringLiteral("Set %1:").arg(i + 1), x, y + 4);
    txtCaption[i] = MakeOptionsTextBox(this, QRect(x + 48, y, 110, 24), kCaptionLength);
  }

  lblGraphType = MakeOptionsLabel(this, QStringLiteral("Graph Type:"), 60, 358);
  cmbGraphType = new TlfComboBox(this);
  cmbGraphType->addItems({QStringLiteral("Horizontal Bar"), QStringLiteral("Vertical Bar")});
  cmbGraphType->setGeometry(176, 353, 160, 26);
  cmbGraphType->setCurrentIndex(1);
  lblDigits = MakeOptionsLabel(this, QStringLiteral("No. of Digits:"), 60, 394);
  cmbFirstTermType = MakeSizeList(this, {QStringLiteral("1  (     x)"), QStringLiteral("2  (     xx)"),
                                         QStringLiteral("3  (    xxx)")},
                                  QRect(176, 389, 160, 26));

  CreateExampleArea(QRect(440, 150, 361, 251), kExampleSize, false);

  // The sentence's parts have no label of their own.
  cmbType->setAccessibleName(QStringLiteral("Graph shows"));
  cmbItem->setAccessibleName(QStringLiteral("Items"));
  txtPredicate->setAccessibleName(QStringLiteral("Rest of the sentence"));
  lblXLegend->setBuddy(txtXLegendTitle);
  lblYLegend->setBuddy(txtYLegendTitle);
  for (int i = 0; i < 4; ++i) lblCaption[i]->setBuddy(txtCaption[i]);
  lblGraphType->setBuddy(cmbGraphType);
  lblDigits->setBuddy(cmbFirstTermType);

  // Kept from the dialog's earlier form; only the title box is read.
  lblOrientation = MakeOptionsLabel(this, QStringLiteral("Orientation:"), 0, 0);
  lblIncrementCount = MakeOptionsLabel(this, QStringLiteral("# of increments:"), 0, 0);
  txtIncrementCount = MakeOptionsTextBox(this, QRect(0, 0, 60, 24), 0);
  lblStepSize = MakeOptionsLabel(this, QStringLiteral("Step size:"), 0, 0);
  txtStepSize = MakeOptionsTextBox(this, QRect(0, 0, 60, 24), 0);
  lblRoundTo = MakeOptionsLabel(this, QStringLiteral("Round to nearest:"), 0, 0);
  cmbSecondTermType = MakeSizeList(this,
                                   {QStringLiteral("1 (no rounding)"), QStringLiteral("10"), QStringLiteral("100")},
                                   QRect(0, 0, 150, 26));
  lblTitle = MakeOptionsLabel(this, QStringLiteral("Title:"), 0, 0);
  txtGraphTitle = MakeOptionsTextBox(this, QRect(0, 0, 150, 24), kLegendLength);
  txtGraphTitle->setText(QStringLiteral("Title"));
  lblIncrementCount->setBuddy(txtIncrementCount);
  lblStepSize->setBuddy(txtStepSize);
  lblRoundTo->setBuddy(cmbSecondTermType);
  lblTitle->setBuddy(txtGraphTitle);
  for (QWidget* hidden : std::initializer_list<QWidget*>{lblOrientation, lblIncrementCount, txtIncrementCount,
                                                         lblStepSize, txtStepSize, lblRoundTo, cmbSecondTermType,
                                                         lblTitle, txtGraphTitle})
    hidden->hide();

  SetTabOrderToButtons({cmbType, cmbItem, txtPredicate, txtXLegendTitle, txtYLegendTitle, txtCaption[0],
                        txtCaption[1], txtCaption[2], txtCaption[3], cmbGraphType, cmbFirstTermType});

  connect(cmbType, &QComboBox::activated, this, [this](int item) {
    FillTemplateList(DataTypeOfItem(item));
    ApplyTemplate();
  });
  connect(cmbItem, &QComboBox::activated, this, [this] { ApplyTemplate(); });
  connect(cmbGraphType, &QComboBox::activated, this, [this](int item) {
    if (Loading()) return;
    Options().BarGraphType = Byte(item);
    DrawGraphExample();
  });
  connect(cmbFirstTermType, &QComboBox::activated, this, [this](int item) {
    if (Loading()) return;
    static constexpr std::int32_t kSteps[] = {1, 10, 100};
    Options().SecondTermType = Byte(item);
    Options().IncrementStepSize = kSteps[std::clamp(item, 0, 2)];
    DrawGraphExample();
  });
  for (TlfInputField* box : {txtPredicate, txtXLegendTitle, txtYLegendTitle, txtGraphTitle, txtCaption[0],
                             txtCaption[1], txtCaption[2], txtCaption[3]})
    connect(box, &TlfInputField::Exited, this, [this] { ReadTextBoxes(); });
}

std::int32_t TProblemOptionsGraphForm::WholeNumber(const std::string& text, std::int32_t fallback) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return fallback;
  const auto last = text.find_last_not_of(" \t");
  const char* begin = text.data() + first;
  const char* end = text.data() + last + 1;
  if (*begin == '+') ++begin;
  std::int32_t value = 0;
  const auto [stop, error] = std::from_chars(begin, end, value);
  if (error != std::errc() || stop != end) return fallback;
  return value;
}

void TProblemOptionsGraphForm::FillTemplateList(std::uint8_t dataType) {
  Options().TableDataType = dataType;
  FillTemplateItems(cmbItem, dataType);
}

void TProblemOptionsGraphForm::ApplyTemplate() {
  TQOptions& o = Options();
  txtPredicate->clear();
  txtPredicate->setText(CopyTemplate(FindTemplate(cmbItem->currentText()), o, true));
  txtXLegendTitle->setText(FromCp1252(o.TableItemName));
  txtYLegendTitle->setText(FromCp1252(o.TableDataCaption));
  for (int i = 0; i < 4; ++i) txtCaption[i]->setText(FromCp1252(o.TableNames[i]));
  DrawGraphExample();
}

void TProblemOptionsGraphForm::CopyTextBoxes() {
  TQOptions& o = Options();
  for (int i = 0; i < 4; ++i) o.TableNames[i] = ToCp1252(txtCaption[i]->text());
  o.GraphTitle = ToCp1252(txtGraphTitle->text());
  o.TableItemName = ToCp1252(txtXLegendTitle->text());
  o.TableDataCaption = ToCp1252(txtYLegendTitle->text());
  o.ActionPredicate = ToCp1252(txtPredicate->text());
}

void TProblemOptionsGraphForm::ReadTextBoxes() {
  if (!HasQuestionSet()) return;
  CopyTextBoxes();
  DrawGraphExample();
}

void TProblemOptionsGraphForm::UpdateExample() { DrawGraphExample(); }

void TProblemOptionsGraphForm::DrawGraphExample() {
  // While loading the options are incomplete; the showing that follows draws.
  if (!HasQuestionSet() || Loading()) return;
  ++graphExamplesDrawn_;
  QImage& image = ExampleImage();
  try {
    TQOptions& o = Options();
    GenerateGraphData(o);
    TMetaReport pages;
    pages.Reset();
    const QSize paper = pages.PhysicalPageSize();
    const int left = Nearest(0.5 * pages.ResolutionX());
    const int top = Nearest(0.5 * pages.ResolutionY());
    DrawBarGraph(left, top, *pages.CurrentCanvas(), o, paper.height() / 3, paper.width() / 2);
    image.fill(Qt::white);
    pages.ShowPage(1, image, false);
  } catch (const std::exception& error) {
    // Options only a hand-edited settings file can hold: say so in place
    // of the graph.
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font());
    painter.setPen(Qt::darkRed);
    painter.drawText(QRect(6, 6, 349, 239), Qt::AlignCenter | Qt::TextWordWrap, FromCp1252(error.what()));
  }
  ShowExample();
}

void TProblemOptionsGraphForm::DoLoadSettings(const TStoredOptions& stored) {
  TQOptions& o = Options();
  o.BarGraphType = stored.Integer(&TQOptions::BarGraphType) == 1 ? 1 : 0;
  // A scale that is not a positive whole number cannot be drawn.
  for (std::int32_t TQOptions::*scale : {&TQOptions::IncrementCount, &TQOptions::IncrementStepSize}) {
    const std::int32_t def = stored.Default(scale);
    o.*scale = WholeNumber(stored.Text(scale), def);
    if (o.*scale < 1) o.*scale = def;
  }
  const auto term = &TQOptions::SecondTermType;
  o.SecondTermType = Byte(ShowListItem(cmbFirstTermType, WholeNumber(stored.Text(term), stored.Default(term))));
  ShowListItem(cmbSecondTermType, o.SecondTermType);
  cmbGraphType->setCurrentIndex(o.BarGraphType);
  FillTemplateList(DataTypeOfItem(cmbType->currentIndex()));
  ApplyTemplate();
}

void TProblemOptionsGraphForm::cmdNextClick() {
  if (HasQuestionSet()) {
    TQOptions& o = Options();
    o.BarGraphType = cmbGraphType->currentIndex() < 0 ? 1 : Byte(cmbGraphType->currentIndex());
    // The boxes as they stand, the predicate among them.
    CopyTextBoxes();
  }
  TProblemOptionsForm::cmdNextClick();
}

}  // namespace sumcraft
