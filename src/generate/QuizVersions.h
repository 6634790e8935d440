#pragma once
// Versions of a quiz for a whole class: each is the quiz with every set
// generated again from its own seed (the sets' options, the title and the
// print options unchanged; only the questions differ), labelled so that a
// sheet and its key are never mixed up. The command-line tool and the
// program make and label them by these same rules, so a version printed by
// one is made again, byte for byte, by the other.
//
//   std::vector<TQuiz> versions;
//   if (MakeQuizVersions(quiz, seed, 3, versions, progress)) ...   // A, B, C
//
// The random source is the process's one: nothing else may draw from it
// while versions are made (the program makes them with its window waiting).
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "quiz/Quiz.h"

namespace sumcraft {

// The most versions the print dialog offers: one letter each.
inline constexpr int kMaxPrintVersions = 26;

// The letters of version `index` (0-based): A to Z, then AA, AB, ... .
std::string VersionLetters(int index);
// The header label of the version with these letters: "Version B".
std::string VersionLabel(std::string_view letters);
// The label of version `index` of `count`: none when there is one version.
std::string VersionLabel(int index, int count);
// The letters of a label's version as typed ("b" or "B"); nothing when they
// are not one to three letters.
std::optional<std::string> ParseVersionLetters(std::string_view text);

// The quiz again, every set generated from `seed` in quiz order, as
// re-creating the quiz does, and marked as the version `label`. Raises what
// the generators raise.
TQuiz MakeQuizVersion(const TQuiz& quiz, std::uint32_t seed, const std::string& label);

// `count` versions of the quiz from the seeds seed, seed + 1, ... (after
// 4294967295 comes 0), labelled by VersionLabel(index, count), into
// `versions`. `progress(done)` is called now and then with the number of
// questions made so far (of count * quiz.QuestionCount()); when it returns
// false the making stops, `versions` is left empty and the result is false.
bool MakeQuizVersions(const TQuiz& quiz, std::uint32_t seed, int count, std::vector<TQuiz>& versions,
                      const std::function<bool(std::size_t done)>& progress = {});

}  // namespace sumcraft
