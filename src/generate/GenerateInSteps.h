#pragma once
// Generating a large set in steps, so that the wizard can show progress and
// offer to stop. The questions drawn are exactly those Generate(set, count)
// draws from the same random state: table and graph data first, then each
// question with up to 200 attempts against the questions before it.
#include <functional>

namespace sumcraft {

class TQuestionSet;

// Replaces the set's questions (and, for table and graph sets, its data) by
// count new ones. After every `every` questions `progress(done)` is called;
// when it returns false generation stops and the set, options included, is
// left exactly as it was. Returns whether the set was generated. Raises what
// the generators raise, the set again unchanged.
bool GenerateInSteps(TQuestionSet& set, int count, int every, const std::function<bool(int done)>& progress);

}  // namespace sumcraft
