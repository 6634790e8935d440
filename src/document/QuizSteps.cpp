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
  for (auto& [index, set] : held_) std::swap(Quiz().Sets.Item(index), set);
  Report({});
}

void TPrintOptionsStep::Swap() {
  const TQuizPrintOptions current = TQuizPrintOptions::Of(Quiz());
  held_.ApplyTo(Quiz());
  held_ = current;
  Report({});
}

}  // namespace sumcraft
