#pragma once
// The pictures of the main window's buttons, drawn in code in one flat
// style so they look alike on every desktop theme and stay sharp at any
// size and pixel ratio.
#include <QIcon>

namespace sumcraft {

enum class TToolIcon {
  New,
  Open,
  Save,
  Print,
  Exit,
  AddQuestions,
  DeleteQuestions,
  Undo,
  Redo,
  QuizOptions,
  RecreateSection,
  RecreateQuiz,
  ZoomIn,
  ZoomOut,
  PreviousPage,
  NextPage,
};

QIcon ToolIcon(TToolIcon icon);

}  // namespace sumcraft
