#include "render/Layout.h"

#include <algorithm>
#include <string>

#include "quiz/ProblemType.h"
#include "render/Canvas.h"
#include "render/PageHeaderFooter.h"
#include "render/PictureQuestions.h"
#include "render/QuestionDrawing.h"
#include "render/ReportFormats.h"
#include "render/Rounding.h"
#include "render/TableGraphDrawing.h"
#include "render/WrapText.h"

namespace sumcraft {

TMetaReport& QuizPages(TQuiz& quiz) {
  if (!quiz.Pages) quiz.Pages = std::make_unique<TMetaReport>();
  return static_cast<TMetaReport&>(*quiz.Pages);
}

const TMetaReport* LaidOutPages(const TQuiz& quiz) { return static_cast<const TMetaReport*>(quiz.Pages.get()); }

TLayoutFrame MakeLayoutFrame(const TMetaReport& pages) {
  TLayoutFrame f;
  f.Rx = pages.ResolutionX();
  f.Ry = pages.ResolutionY();
  f.Left = pages.Left();
  f.Top = pages.Top();
  f.Right = pages.Right();
  f.Bottom = pages.Bottom();
  f.FrameWidth = f.Right - f.Left;
  f.FrameHeight = f.Bottom - f.Top;
  f.RightInset = pages.PhysicalPageSize().width() - f.Right;
  f.RowLimit = f.FrameWidth - f.RightInset;
  return f;
}

int DrawInstructions(const TQuestionSet& set, int x, int y, TCanvas& c, const TLayoutFrame& f) {
  const int hX = c.TextHeight("X");
  int result = y;
  const std::string text = set.InstructionsText();
  const std::uint8_t type = set.Options.Operand;
  if (!text.empty()) {
    ReportFormats().Apply("INSTRUCTIONS", c);
    c.MoveTo(x, y);
    const int half = x + Div(f.RowLimit - x, 2);
    // The sentence ends at the bottom of the page body: the longest the
    // dialogs can make takes about seven lines beside a table, and the
    // names of a damaged file end in "..." instead of running off the page.
    const std::size_t maxLines =
        static_cast<std::size_t>(std::max(1, Div(f.Bottom - y - hX, std::max(1, c.TextHeight("H")))));
    if (type == ptTables) result = WrapText(c, text, x, half, y, maxLines);
    else if (type == ptGraphs) result = WrapText(c, text, x, half, y + hX, maxLines);
    else result = WrapText(c, text, x, f.RowLimit, y, maxLines);
    ReportFormats().Apply("DEFAULT", c);
  }
  // The table or graph stands beside the sentence; the block ends below
  // whichever of the two is taller, so a long sentence never runs into the
  // questions.
  if (type == ptTables) {
    result = std::max(result, DrawTable(set, Div(x + f.RowLimit, 2), y, c, f.Rx));
  } else if (type == ptGraphs) {
    const int q = Nearest(0.25 * f.Rx);
    result = std::max(result, DrawBarGraph(q + Div(x + f.RowLimit, 2), q + y, c, set.Options,
                                           y + Nearest(2.25 * f.Ry), f.RowLimit - q));
  }
  return result + hX;
}

int MeasureInstructions(const TQuestionSet& set, int x, const TMetaReport& pages, const TLayoutFrame& f) {
  TCanvas scratch = pages.NewScratchCanvas();
  ReportFormats().Apply("DEFAULT", scratch);
  return DrawInstructions(set, x, 0, scratch, f);
}

namespace {

// Collects the questions that drew a note instead of their picture.
struct ProblemCollector {
  TLayoutResult* result;
  int number = 0;
  static void Hook(void* self, const std::string& reason) {
    auto* c = static_cast<ProblemCollector*>(self);
    c->result->Problems.push_back("Question " + std::to_string(c->number) + ": " + reason);
  }
};

struct HookScope {
  explicit HookScope(ProblemCollector* c) { SetDrawProblemHook(&ProblemCollector::Hook, c); }
  ~HookScope() { SetDrawProblemHook(nullptr, nullptr); }
  HookScope(const HookScope&) = delete;
  HookScope& operator=(const HookScope&) = delete;
};

class Layouter {
public:
  Layouter(TQuiz& quiz, TMetaReport& pages, bool showAnswers)
      : quiz_(quiz), pages_(pages), showAnswers_(showAnswers) {}

  void Run() {
    pages_.Reset();
    const float rx = static_cast<float>(pages_.ResolutionX()), ry = static_cast<float>(pages_.ResolutionY());
    const float ox = static_cast<float>(pages_.OffsetX()) / rx, oy = static_cast<float>(pages_.OffsetY()) / ry;
    pages_.SetMarginsInches(0.5f - ox, 0.5f - oy, 0.5f - ox, 0.75f - oy);
    f_ = MakeLayoutFrame(pages_);
    const int usable = f_.FrameWidth - f_.Left - f_.RightInset;
    int columnWidth = Div(usable, 5);
    int number = 1;

    Apply("DEFAULT");
    y_ = Header();
    Apply("DEFAULT");

    for (std::size_t i = 0; i < quiz_.Sets.Count(); ++i) {
      TQuestionSet& set = quiz_.Sets.Item(i);
      int x = f_.Left;
      int rowHeight = 0;
      if (set.Options.StartOnNewPage && i > 0) BreakPage();
      set.SetFirstPage(pages_.ActivePage());
      set.SetStartPoint(f_.RightInset, y_);

      if (set.Count() > 0) {
        const int w0 = ProblemWidth(set.Item(0), f_.Rx, set.Options, Canvas());
        if (w0 <= 0) throw LayoutError("ProblemWidth is zero or less!");
        // A first question wider than the row still gets a row of its own.
        const int perRow = std::clamp(Div(usable, w0), 1, std::max(1, set.QuestionsPerRow()));
        columnWidth = Div(usable, perRow);
      }
      Apply("DEFAULT");
      const int h0 = set.Count() > 0 ? ProblemHeight(set.Item(0), f_.Ry, set.Options, Canvas()) : 0;
      // A page that holds only its header gains nothing from a break: the
      // next one has the same room.
      if (MeasureInstructions(set, x, pages_, f_) + y_ + h0 > f_.Bottom && y_ != headerBottom_) {
        BreakPage();
        set.SetStartPoint(f_.RightInset, y_);
        set.SetFirstPage(pages_.ActivePage());
      }
      y_ = DrawInstructions(set, x, y_, Canvas(), f_);
      Apply("DEFAULT");

      for (std::size_t j = 0; j < set.Count(); ++j) {
        TQuizQuestion& q = set.Item(j);
        const int w = ProblemWidth(q, f_.Rx, set.Options, Canvas());
        const int h = ProblemHeight(q, f_.Ry, set.Options, Canvas());
        if (x + w > f_.RowLimit || x + columnWidth > f_.RowLimit) {
          x = f_.Left;
          y_ += rowHeight;
          rowHeight = 0;
          if (j == 0) set.SetStartPoint(f_.RightInset, y_);
          if (y_ + h > f_.Bottom) {
            BreakPage();
            if (j == 0) FirstOnNewPage(set);
          }
        }
        // The question moves to the next page in the column it would have
        // had; the rest of its row follows it there.
        if (y_ + h > f_.Bottom) {
          BreakPage();
          Apply("DEFAULT");
          if (j == 0) FirstOnNewPage(set);
        }
        rowHeight = std::max(rowHeight, h);
        TDrawArgs args;
        args.X = x;
        args.Y = y_;
        args.FrameWidth = f_.FrameWidth;
        args.FrameHeight = f_.FrameHeight;
        args.Rx = f_.Rx;
        args.Ry = f_.Ry;
        args.ShowAnswers = showAnswers_;
        args.Number = number;
        args.ColumnWidth = columnWidth;
        collector_.number = number;
        Draw(q, Canvas(), set.Options, args);
        Apply("DEFAULT");
        x += std::max(w, columnWidth);
        ++number;
      }
      set.SetLastPage(pages_.ActivePage());
      y_ += rowHeight;
      set.SetEndPoint(f_.RowLimit, y_);
    }
    Footer();
    Apply("DEFAULT");
  }

  TLayoutResult result;

private:
  TCanvas& Canvas() { return *pages_.CurrentCanvas(); }
  void Apply(const char* style) { ReportFormats().Apply(style, Canvas()); }
  int Header() {
    headerBottom_ = DrawHeader(quiz_, Canvas(), f_.FrameWidth, f_.Rx, f_.Top, f_.RightInset, f_.Left, &title_);
    return headerBottom_;
  }
  void Footer() {
    DrawFooter(quiz_, Canvas(), pages_.ActivePage(), f_.Bottom, f_.FrameWidth, f_.RightInset, f_.Left,
               pages_.PrintableHeight(), showAnswers_);
  }
  void BreakPage() {
    Footer();
    pages_.NewPage();
    y_ = Header();
  }
  void FirstOnNewPage(TQuestionSet& set) {
    set.SetStartPoint(f_.RightInset, y_);
    set.SetFirstPage(pages_.ActivePage());
  }

  TQuiz& quiz_;
  TMetaReport& pages_;
  bool showAnswers_;
  TLayoutFrame f_;
  int y_ = 0;
  TTitleLines title_;
  int headerBottom_ = 0;  // where the current page's body begins

public:
  ProblemCollector collector_{&result};
};

}  // namespace

TLayoutResult Layout(TQuiz& quiz, bool showAnswers, TPrinterDevice* printer) {
  TMetaReport& pages = QuizPages(quiz);
  pages.SetPrinter(printer);
  Layouter layouter(quiz, pages, showAnswers);
  HookScope scope(&layouter.collector_);
  layouter.Run();
  return std::move(layouter.result);
}

void CopyQuiz(const TQuiz& source, TQuiz& target, TPrinterDevice* printer) {
  source.CopyTo(target);
  Layout(target, false, printer);
}

void RenderPage(TQuiz& quiz, int page, QImage& image) {
  if (!quiz.Pages) return;
  QuizPages(quiz).ShowPage(page, image, false);
}

int SetAtPosition(const TQuiz& quiz, int y, int page, int current) {
  const TMetaReport* pages = LaidOutPages(quiz);
  if (!pages) return current;
  return quiz.SetAtPosition(y, page, current, pages->Top(), pages->Bottom());
}

}  // namespace sumcraft
