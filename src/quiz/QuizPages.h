#pragma once

namespace sumcraft {

// What a quiz knows of its laid-out pages. The page store itself (recording,
// replay, printing) belongs to the drawing layer, which derives from this;
// the quiz only owns it, so the document stays free of any drawing code.
class TQuizPages {
public:
  virtual ~TQuizPages() = default;
  virtual int PageCount() const = 0;
};

}  // namespace sumcraft
