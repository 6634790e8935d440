// The table template reader: any bytes give a template list; every template
// is applied to a table set and a graph set as the dialogs do, and the sets
// are generated, laid out and saved.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "generate/TableDefs.h"
#include "quiz/ProblemType.h"

using namespace sumcraft;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::InitOnce();
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  TableDefs().Load(fuzz::WriteScratchFile("TableTemplates.tdf", bytes));
  TQuiz quiz;
  for (std::size_t i = 0; i < TableDefs().Count() && i < 8; ++i) {
    const TTableDef& t = TableDefs().Item(i);
    for (std::uint8_t op : {ptTables, ptGraphs}) {
      TQuestionSet set;
      TQOptions& o = set.Options;
      o.Operand = op;
      o.TableDataType = t.ProblemDataType;
      o.TableItemName = t.ItemCaption;
      o.TableDataCaption = t.DataCaption;
      o.ItemName = t.ItemName;
      o.ActionName = t.Action;
      o.ActionPredicate = t.Predicate;
      o.TableNames = {t.TableName0, t.TableName1, t.TableName2, t.TableName3};
      o.TableUseItemName = t.UseItemName;
      set.Add(TQuizQuestion{});
      set.Add(TQuizQuestion{});
      quiz.Sets.Add(std::move(set));
    }
  }
  fuzz::ExerciseQuiz(quiz, 4);
  quiz.FileName = fuzz::ScratchFolder() + "/templates.qiz";
  quiz.SaveToFile();
  return 0;
}
