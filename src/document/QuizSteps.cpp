#include "document/QuizSteps.h"

namespace sumcraft {

void TSetInOutStep::PutIn() {
  Quiz().Sets.Insert(index_, std::move(*held_));
  held_.reset();
  Report({.AddedSet = static_cast<int>(index_)});
}

void TSetInOutStep::TakeOut() {
  held_ = Quiz().Sets.Take(index_);
  Report({});
}

void TSwapSetsStep::Swap() {
  for (THeldQuestions& held : held_) {
    TQuestionSet& set = Quiz().Sets.Item(held.Index);
    std::vector<TQuizQuestion> shown = set.Questions();  // an exact-size copy
    set.ReplaceQuestions(std::move(held.Questions));
    held.Questions = std::move(shown);
    if (held.Options) std::swap(set.Options, *held.Options);
  }
  Report({});
}

void TPrintOptionsStep::Swap() {
  const TQuizPrintOptions current = TQuizPrintOptions::Of(Quiz());
  held_.ApplyTo(Quiz());
  held_ = current;
  Report({});
}

}  // namespace sumcraft
