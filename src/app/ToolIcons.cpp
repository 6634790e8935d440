#include "app/ToolIcons.h"

#include <QString>

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitToolIconResourcesOnce() { Q_INIT_RESOURCE(tool_icons); }

namespace sumcraft {

namespace {

struct TToolIconNames {
  const char* theme;  // the freedesktop name, or "" for none
  const char* file;   // the bundled drawing in resources/icons/actions
};

TToolIconNames Names(TToolIcon icon) {
  switch (icon) {
    case TToolIcon::New: return {"document-new", "document-new"};
    case TToolIcon::Open: return {"document-open", "document-open"};
    case TToolIcon::Save: return {"document-save", "document-save"};
    case TToolIcon::Print: return {"document-print", "document-print"};
    case TToolIcon::Exit: return {"application-exit", "application-exit"};
    case TToolIcon::AddQuestions: return {"list-add", "list-add"};
    case TToolIcon::DeleteQuestions: return {"list-remove", "list-remove"};
    case TToolIcon::Undo: return {"edit-undo", "edit-undo"};
    case TToolIcon::Redo: return {"edit-redo", "edit-redo"};
    case TToolIcon::QuizOptions: return {"document-properties", "document-properties"};
    case TToolIcon::RecreateSection: return {"view-refresh", "view-refresh"};
    // No theme name tells "make the whole quiz again" from "refresh", and
    // the two buttons sit side by side, so this one keeps its own drawing.
    case TToolIcon::RecreateQuiz: return {"", "recreate-quiz"};
    case TToolIcon::ZoomIn: return {"zoom-in", "zoom-in"};
    case TToolIcon::ZoomOut: return {"zoom-out", "zoom-out"};
    case TToolIcon::PreviousPage: return {"go-previous", "go-previous"};
    case TToolIcon::NextPage: return {"go-next", "go-next"};
  }
  return {"", ""};
}

}  // namespace

QString ToolIconThemeName(TToolIcon icon) { return QLatin1String(Names(icon).theme); }

QIcon ToolIcon(TToolIcon icon) {
  static const bool registered = [] {
    InitToolIconResourcesOnce();
    return true;
  }();
  (void)registered;
  const TToolIconNames names = Names(icon);
  const QIcon bundled(QStringLiteral(":/sumcraft/icons/actions/") + QLatin1String(names.file) +
                      QStringLiteral(".svg"));
  if (*names.theme == '\0') return bundled;
  return QIcon::fromTheme(QLatin1String(names.theme), bundled);
}

}  // namespace sumcraft
