#pragma once
// The extension point through which the main window runs the question-add
// wizard. The wizard itself (type, options with example, count with
// preview) lives with the other dialogs; the program registers it with
// TMainWindow::SetAddQuestionsWizard at start-up.
//
// Contract: the wizard runs modally over `workingSet` (the main window's
// one working set, kept between runs), may read `quiz` for its page
// preview, never changes `quiz`, and answers true exactly when it ended
// with "Finish". The main window then hands a copy of the working set to
// the document (one undoable step) and shows the new set, selected.
#include <functional>

class QWidget;

namespace sumcraft {

class TQuestionSet;
class TQuiz;

using TAddQuestionsWizard = std::function<bool(QWidget* parent, TQuestionSet& workingSet, const TQuiz& quiz)>;

}  // namespace sumcraft
