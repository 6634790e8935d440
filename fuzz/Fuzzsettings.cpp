// The settings reader: any bytes in SumcraftSettings.ini. Every key the
// options dialogs read is read into a set's options as they do, the sets
// are generated, laid out and saved, and the settings written back.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "generate/TimesTableText.h"
#include "quiz/ProblemType.h"
#include "settings/PgmSettings.h"

using namespace sumcraft;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::InitOnce();
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  fuzz::WriteScratchFile(kSettingsFileName, bytes);
  TPgmSettings settings(fuzz::ScratchFolder());
  TQuiz quiz;
  auto add = [&quiz](std::uint8_t op, auto read) {
    TQuestionSet set;
    set.Options.Operand = op;
    read(set.Options);
    for (int i = 0; i < 4; ++i) set.Add(TQuizQuestion{});
    quiz.Sets.Add(std::move(set));
  };
  for (const char* section : {"AdditionSettings", "SubtractionSettings"}) {
    add(section[0] == 'A' ? ptAddition : ptSubtraction, [&](TQOptions& o) {
      o.FirstTermType = static_cast<std::uint8_t>(settings.ReadInteger(section, "FirstTermType", 0));
      o.SecondTermType = static_cast<std::uint8_t>(settings.ReadInteger(section, "SecondTermType", 0));
      o.Regrouping = settings.ReadBool(section, "Regrouping", false);
      o.UseZero = settings.ReadBool(section, "UseZero", false);
      o.Orientation = static_cast<std::uint8_t>(settings.ReadInteger(section, "Orientation", 0));
    });
  }
  add(ptMultiplication, [&](TQOptions& o) {
    o.MultiplicationType = static_cast<std::uint8_t>(settings.ReadInteger("MultiplySettings", "MultiplicationType", 0));
    ApplyTableText(settings.ReadString("MultiplySettings", "TimesTable", kDefaultTableText), o.TimesTable);
  });
  add(ptDivision, [&](TQOptions& o) {
    o.DividendType = static_cast<std::uint8_t>(settings.ReadInteger("DivisionSettings", "FirstTermType", 2));
    o.DivisorType = static_cast<std::uint8_t>(settings.ReadInteger("DivisionSettings", "SecondTermType", 1));
    o.DivisionType = static_cast<std::uint8_t>(settings.ReadInteger("DivisionSettings", "DivisionType", 0));
    o.AllowRemainders = settings.ReadBool("DivisionSettings", "AllowRemainders", false);
    ApplyTableText(settings.ReadString("DivisionSettings", "DivideTable", kDefaultTableText), o.TimesTable);
  });
  add(ptMoney, [&](TQOptions& o) { o.CoinsToUse = settings.ReadInteger("MoneySettings", "CoinsToUse", 15); });
  add(ptFractions, [&](TQOptions& o) {
    o.FractionType = static_cast<std::uint8_t>(settings.ReadInteger("FractionSettings", "FractionType", 0));
    o.AllDenominatorsAlike = settings.ReadBool("FractionSettings", "AllDenominatorsAlike", true);
  });
  add(ptTime, [&](TQOptions& o) { o.FirstTermType = static_cast<std::uint8_t>(settings.ReadInteger("TimeSettings", "FirstTermType", 2)); });
  add(ptRounding, [&](TQOptions& o) {
    o.FirstTermType = static_cast<std::uint8_t>(settings.ReadInteger("RoundingSettings", "FirstTermType", 1));
    o.SecondTermType = static_cast<std::uint8_t>(settings.ReadInteger("RoundingSettings", "SecondTermType", 1));
  });
  add(ptGraphs, [&](TQOptions& o) {
    o.BarGraphType = static_cast<std::uint8_t>(settings.ReadInteger("GraphSettings", "GraphType", 1));
    o.IncrementCount = settings.ReadInteger("GraphSettings", "IncrementCount", 10);
    o.IncrementStepSize = settings.ReadInteger("GraphSettings", "IncrementStepSize", 10);
  });
  fuzz::ExerciseQuiz(quiz, 8);
  quiz.FileName = fuzz::ScratchFolder() + "/settings.qiz";
  quiz.SaveToFile();
  try {
    settings.WriteInteger("MoneySettings", "CoinsToUse", 15);
    settings.WriteString("MultiplySettings", "TimesTable", kDefaultTableText);
  } catch (const SettingsWriteError&) {
  }
  return 0;
}
