#pragma once
// What the table-data and graph dialogs share about the word-problem
// templates: the data-type list ("shows the number of", "lists different
// kinds of"), the list of templates of one data type, and copying the
// chosen template into the options.
#include <QString>
#include <QStringList>
#include <cstdint>

#include "quiz/QOptions.h"

namespace sumcraft {

class TlfComboBox;
struct TTableDef;

// The items of cmbType: item 0 means TableDataType 1, item 1 TableDataType 0.
QStringList DataTypeItems();
std::uint8_t DataTypeOfItem(int item);

// Clears `list` and adds the display text of every template of `dataType`,
// in file order; selects the first when there is one.
void FillTemplateItems(TlfComboBox* list, std::uint8_t dataType);

// The last template of the whole list (any data type) whose display text
// is `displayText`; nullptr when there is none.
const TTableDef* FindTemplate(const QString& displayText);

// Copies the template's texts into the options, or empties them (with
// TableUseItemName true) when `def` is null. ActionPredicate is set only
// when `withPredicate`. Returns the template's predicate (empty without).
QString CopyTemplate(const TTableDef* def, TQOptions& options, bool withPredicate);

}  // namespace sumcraft
