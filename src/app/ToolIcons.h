#pragma once
// The pictures of the main window's buttons: the desktop's icon theme where
// it has one for the command, the program's own drawings otherwise.
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

inline constexpr TToolIcon kAllToolIcons[] = {
    TToolIcon::New,         TToolIcon::Open,
    TToolIcon::Save,        TToolIcon::Print,
    TToolIcon::Exit,        TToolIcon::AddQuestions,
    TToolIcon::DeleteQuestions, TToolIcon::Undo,
    TToolIcon::Redo,        TToolIcon::QuizOptions,
    TToolIcon::RecreateSection, TToolIcon::RecreateQuiz,
    TToolIcon::ZoomIn,      TToolIcon::ZoomOut,
    TToolIcon::PreviousPage, TToolIcon::NextPage,
};

// The freedesktop icon name looked up in the theme; empty where the theme
// has no name for the command, so the program's drawing is always used.
QString ToolIconThemeName(TToolIcon icon);

// Not cached: the theme can change while the program runs.
QIcon ToolIcon(TToolIcon icon);

}  // namespace sumcraft
