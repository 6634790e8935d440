#include "wizard/TemplateChoice.h"

#include "generate/TableDefs.h"
#include "render/CodePage1252.h"
#include "widgets/lfComboBox.h"

namespace sumcraft {

QStringList DataTypeItems() {
  return {QStringLiteral("shows the number of"), QStringLiteral("lists different kinds of")};
}

std::uint8_t DataTypeOfItem(int item) { return item == 0 ? 1 : 0; }

void FillTemplateItems(TlfComboBox* list, std::uint8_t dataType) {
  list->clear();
  const TTableDefs& defs = TableDefs();
  for (std::size_t i = 0; i < defs.Count(); ++i)
    if (defs.Item(i).ProblemDataType == dataType) list->addItem(FromCp1252(defs.Item(i).DisplayText()));
  if (list->count() > 0) list->setCurrentIndex(0);
}

const TTableDef* FindTemplate(const QString& displayText) {
  const std::string wanted = ToCp1252(displayText);
  const TTableDefs& defs = TableDefs();
  const TTableDef* found = nullptr;
  for (std::size_t i = 0; i < defs.Count(); ++i)
    if (defs.Item(i).DisplayText() == wanted) found = &defs.Item(i);
  return found;
}

QString CopyTemplate(const TTableDef* def, TQOptions& options, bool withPredicate) {
  static const TTableDef kEmpty{};
  const TTableDef& source = def != nullptr ? *def : kEmpty;
  options.TableItemName = source.ItemCaption;
  options.TableDataCaption = source.DataCaption;
  options.ItemName = source.ItemName;
  options.ActionName = source.Action;
  options.TableNames = {source.TableName0, source.TableName1, source.TableName2, source.TableName3};
  options.TableUseItemName = def != nullptr ? source.UseItemName : true;
  if (withPredicate) options.ActionPredicate = source.Predicate;
  return FromCp1252(source.Predicate);
}

}  // namespace sumcraft
