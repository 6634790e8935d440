#include <gtest/gtest.h>

#include <variant>

#include "settings/OptionsKeys.h"
#include "settings/PgmSettings.h"
#include "support/TempFolder.h"

namespace sumcraft {
namespace {

template <class... F>
struct Overload : F... {
  using F::operator()...;
};
template <class... F>
Overload(F...) -> Overload<F...>;

// Every key of every section, saved with a value other than its default
// (and other than the same key's value in the other sections), reads back
// as saved once all sections share the file.
TEST(OptionsKeysTest, EveryKeyOfEverySectionReadsBackAsSaved) {
  test::TempFolder folder;
  TPgmSettings settings(folder.File("data"));
  std::vector<TQOptions> saved;
  for (const TOptionsSection& section : OptionsSections()) {
    const auto shift = static_cast<std::int32_t>(saved.size()) + 1;
    TQOptions o;
    for (const TOptionsKey& key : section.Keys) {
      std::visit(Overload{
                     [&](std::uint8_t TQOptions::*f) { o.*f = static_cast<std::uint8_t>(key.Default + shift); },
                     [&](bool TQOptions::*f) { o.*f = key.Default == 0; },
                     [&](std::int32_t TQOptions::*f) { o.*f = key.Default - 1000 * shift; },
                     [&](std::array<std::int32_t, 12> TQOptions::*f) {
                       for (std::size_t i = 0; i < 12; ++i) (o.*f)[i] = static_cast<std::int32_t>((i + shift) % 8);
                     },
                 },
                 key.Field);
    }
    WriteOptions(settings, section, o);
    saved.push_back(o);
  }
  for (std::size_t s = 0; s < saved.size(); ++s) {
    const TOptionsSection& section = OptionsSections()[s];
    TQOptions loaded;
    ReadOptions(settings, section).ApplyTo(loaded);
    for (const TOptionsKey& key : section.Keys) {
      const bool same = std::visit([&](auto f) { return loaded.*f == saved[s].*f; }, key.Field);
      EXPECT_TRUE(same) << section.Name << " " << key.Name;
    }
  }
}

}  // namespace
}  // namespace sumcraft
