#pragma once
// What the drawing commands (pdf, layout, versions) share: the offscreen
// application object that text measuring and PDF writing need, the paper and
// resolution options, and the warnings for questions that cannot be drawn.
// The other commands never touch any of it, so they start without Qt.
#include <string>
#include <vector>

#include "cli/Arguments.h"
#include "render/PdfPrinter.h"

namespace sumcraft::cli {

// Creates the process's QGuiApplication on the offscreen platform, whatever
// QT_QPA_PLATFORM says, so drawing works without a display. It lives until
// the process ends. Later calls do nothing.
void StartDrawing();

// "--paper letter|a4" (any case); Letter when absent. UsageError otherwise.
TPaper PaperOption(const TParsedArgs& args);
// "--dpi N", 72 to 2400; 600 when absent. UsageError otherwise.
int DpiOption(const TParsedArgs& args);
std::string PaperName(TPaper paper);

// One warning line on standard error per question that could not be drawn:
// "sumcraft-cli: warning: <what>: Question 12: ...".
void WarnProblems(const std::string& what, const std::vector<std::string>& problems);

// Refuses (UsageError) to write an output file over the quiz being read or
// over another output of the same run.
void CheckDistinctFiles(const std::vector<std::string>& paths);

}  // namespace sumcraft::cli
