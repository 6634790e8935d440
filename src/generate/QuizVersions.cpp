#include "generate/QuizVersions.h"

#include <algorithm>
#include <climits>

#include "generate/GenerateInSteps.h"
#include "generate/Random.h"

namespace sumcraft {

namespace {

// Questions between two reports of progress: often enough for a smooth
// progress bar and a prompt stop, seldom enough to cost nothing.
constexpr int kProgressEvery = 50;

// One version into `version`: true unless progress asked to stop.
bool MakeVersion(const TQuiz& quiz, std::uint32_t seed, const std::string& label, TQuiz& version,
                 std::size_t& done, const std::function<bool(std::size_t)>& progress) {
  quiz.CopyTo(version);
  version.Version = TVersionMark{label, seed};
  SetRandomState(seed);
  for (TQuestionSet& set : version.Sets) {
    const int count = static_cast<int>(std::min<std::size_t>(set.Count(), INT_MAX));
    // The same questions as Generate(set, count) draws, with stops between.
    const std::size_t before = done;
    const bool finished = GenerateInSteps(set, count, kProgressEvery, [&](int made) {
      return !progress || progress(before + static_cast<std::size_t>(made));
    });
    if (!finished) return false;
    done = before + static_cast<std::size_t>(count);
    if (progress && !progress(done)) return false;
  }
  return true;
}

}  // namespace

std::string VersionLetters(int index) {
  std::string letters;
  for (long long n = std::max(index, 0) + 1LL; n > 0; n = (n - 1) / 26)
    letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
  return letters;
}

std::string VersionLabel(std::string_view letters) { return "Version " + std::string(letters); }

std::string VersionLabel(int index, int count) {
  return count > 1 ? VersionLabel(VersionLetters(index)) : std::string();
}

std::optional<std::string> ParseVersionLetters(std::string_view text) {
  if (text.empty() || text.size() > 3) return std::nullopt;
  std::string letters;
  for (char c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c < 'A' || c > 'Z') return std::nullopt;
    letters += c;
  }
  return letters;
}

TQuiz MakeQuizVersion(const TQuiz& quiz, std::uint32_t seed, const std::string& label) {
  TQuiz version;
  std::size_t done = 0;
  MakeVersion(quiz, seed, label, version, done, {});
  return version;
}

bool MakeQuizVersions(const TQuiz& quiz, std::uint32_t seed, int count, std::vector<TQuiz>& versions,
                      const std::function<bool(std::size_t done)>& progress) {
  versions.clear();
  std::size_t done = 0;
  for (int i = 0; i < count; ++i) {
    TQuiz version;
    // Unsigned: the seed after 4294967295 is 0.
    const std::uint32_t own = seed + static_cast<std::uint32_t>(i);
    if (!MakeVersion(quiz, own, VersionLabel(i, count), version, done, progress)) {
      versions.clear();
      return false;
    }
    versions.push_back(std::move(version));
  }
  return true;
}

}  // namespace sumcraft
