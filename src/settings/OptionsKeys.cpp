#include "settings/OptionsKeys.h"

#include <stdexcept>

#include "quiz/ProblemType.h"
#include "quiz/TextValues.h"
#include "settings/PgmSettings.h"
#include "settings/TimesTableText.h"

namespace sumcraft {

namespace {

using O = TQOptions;

constexpr TOptionsKey kAddSubKeys[] = {
    {"FirstTermType", &O::FirstTermType, 0}, {"SecondTermType", &O::SecondTermType, 0},
    {"Regrouping", &O::Regrouping, 0},       {"UseZero", &O::UseZero, 0},
    {"Orientation", &O::Orientation, 0},
};
constexpr TOptionsKey kMultiplyKeys[] = {
    {"TimesTable", &O::TimesTable, 0, kDefaultTableText},
    {"FirstTermType", &O::FirstTermType, 0},
    {"SecondTermType", &O::SecondTermType, 0},
    {"MultiplicationType", &O::MultiplicationType, 0},
    {"Orientation", &O::Orientation, 0},
};
constexpr TOptionsKey kDivisionKeys[] = {
    {"DivideTable", &O::TimesTable, 0, kDefaultTableText},
    {"FirstTermType", &O::DividendType, 2},
    {"SecondTermType", &O::DivisorType, 1},
    {"DivisionType", &O::DivisionType, 0},
    {"AllowRemainders", &O::AllowRemainders, 0},
};
constexpr TOptionsKey kCompareKeys[] = {
    {"FirstTermType", &O::FirstTermType, 0},
    {"SecondTermType", &O::SecondTermType, 0},
    {"SymbolType", &O::ComparisonSymbolType, 1},
};
constexpr TOptionsKey kMoneyKeys[] = {{"CoinsToUse", &O::CoinsToUse, 15}};
constexpr TOptionsKey kFractionKeys[] = {
    {"FractionType", &O::FractionType, 0},
    {"AllDenominatorsAlike", &O::AllDenominatorsAlike, 1},
};
constexpr TOptionsKey kTimeKeys[] = {{"FirstTermType", &O::FirstTermType, 2}};
constexpr TOptionsKey kRoundingKeys[] = {
    {"FirstTermType", &O::FirstTermType, 1},
    {"SecondTermType", &O::SecondTermType, 1},
};
constexpr TOptionsKey kTableDataKeys[] = {
    {"FirstTermType", &O::FirstTermType, 1},
    {"SecondTermType", &O::SecondTermType, 0},
};
constexpr TOptionsKey kGraphKeys[] = {
    {"GraphType", &O::BarGraphType, 1},
    {"IncrementCount", &O::IncrementCount, 10},
    {"IncrementStepSize", &O::IncrementStepSize, 10},
    {"GraphTermType", &O::SecondTermType, 1},
};

constexpr TOptionsSection kSections[] = {
    {ptAddition, "AdditionSettings", kAddSubKeys},
    {ptSubtraction, "SubtractionSettings", kAddSubKeys},
    {ptMultiplication, "MultiplySettings", kMultiplyKeys},
    {ptDivision, "DivisionSettings", kDivisionKeys},
    {ptComparison, "CompareSettings", kCompareKeys},
    {ptMoney, "MoneySettings", kMoneyKeys},
    {ptFractions, "FractionSettings", kFractionKeys},
    {ptTime, "TimeSettings", kTimeKeys},
    {ptRounding, "RoundingSettings", kRoundingKeys},
    {ptTables, "TableDataSettings", kTableDataKeys},
    {ptGraphs, "GraphSettings", kGraphKeys},
};

bool IsTableText(const TOptionsKey& key) {
  return std::holds_alternative<std::array<std::int32_t, 12> O::*>(key.Field);
}

std::string DefaultText(const TOptionsKey& key) {
  return IsTableText(key) ? std::string(key.TextDefault) : std::to_string(key.Default);
}

// Overloads for std::visit over a field.
template <class... F>
struct TOverload : F... {
  using F::operator()...;
};
template <class... F>
TOverload(F...) -> TOverload<F...>;

}  // namespace

std::span<const TOptionsSection> OptionsSections() { return kSections; }

const TOptionsSection& OptionsSection(std::uint8_t problemType) {
  for (const TOptionsSection& section : kSections)
    if (section.ProblemType == problemType) return section;
  throw std::invalid_argument("no options for problem type " + std::to_string(problemType));
}

TStoredOptions::TStoredOptions(const TOptionsSection& section, std::vector<std::optional<std::string>> values)
    : section_(&section), values_(std::move(values)) {
  values_.resize(section.Keys.size());
}

std::size_t TStoredOptions::IndexOf(const TOptionsField& field) const {
  for (std::size_t i = 0; i < section_->Keys.size(); ++i)
    if (section_->Keys[i].Field == field) return i;
  throw std::invalid_argument("a field without a key in " + std::string(section_->Name));
}

std::int32_t TStoredOptions::Integer(const TOptionsField& field) const {
  const std::size_t i = IndexOf(field);
  const std::int32_t def = section_->Keys[i].Default;
  return values_[i] ? ParseInt32(*values_[i]).value_or(def) : def;
}

std::string TStoredOptions::Text(const TOptionsField& field) const {
  const std::size_t i = IndexOf(field);
  return values_[i] ? *values_[i] : DefaultText(section_->Keys[i]);
}

std::int32_t TStoredOptions::Default(const TOptionsField& field) const {
  return section_->Keys[IndexOf(field)].Default;
}

void TStoredOptions::ApplyTo(TQOptions& options) const {
  for (const TOptionsKey& key : section_->Keys) {
    std::visit(TOverload{
                   [&](std::uint8_t O::*f) { options.*f = static_cast<std::uint8_t>(Integer(f)); },
                   [&](bool O::*f) { options.*f = Integer(f) != 0; },
                   [&](std::int32_t O::*f) { options.*f = Integer(f); },
                   [&](std::array<std::int32_t, 12> O::*f) { ApplyTableText(Text(f), options.*f); },
               },
               key.Field);
  }
}

TStoredOptions ReadOptions(const TPgmSettings& settings, const TOptionsSection& section) {
  std::vector<std::string_view> names;
  for (const TOptionsKey& key : section.Keys) names.push_back(key.Name);
  return TStoredOptions(section, settings.ReadValues(section.Name, names));
}

void WriteOptions(TPgmSettings& settings, const TOptionsSection& section, const TQOptions& options) {
  std::vector<TSettingsValue> values;
  for (const TOptionsKey& key : section.Keys) {
    std::string text = std::visit(TOverload{
                                      [&](std::uint8_t O::*f) { return std::to_string(options.*f); },
                                      [&](bool O::*f) { return std::string(options.*f ? "1" : "0"); },
                                      [&](std::int32_t O::*f) { return std::to_string(options.*f); },
                                      [&](std::array<std::int32_t, 12> O::*f) { return TableText(options.*f); },
                                  },
                                  key.Field);
    values.push_back({std::string(key.Name), std::move(text)});
  }
  settings.WriteValues(section.Name, values);
}

}  // namespace sumcraft
