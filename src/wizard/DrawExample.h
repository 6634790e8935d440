#pragma once
// The live example of the options dialogs: one freshly generated question,
// drawn with its answer, centred in the dialog's example image at the size
// it would have on paper when shown at the screen's resolution.
#include <QImage>

#include "quiz/QOptions.h"

class QWidget;

namespace sumcraft {

// Draws into `image` (which keeps its size; it is cleared to white first).
// The screen resolution is the owner's logical resolution (96 dots per inch
// on the offscreen platform; 96 when owner is null). The question is
// measured and drawn on the current printer, exactly as on a page one inch
// from the page's origin, and only the question's rectangle is rendered:
// its cell (DrawnWidth by the height the drawing reports), widened to take
// in a sign that stands outside the cell.
// Each call draws a new random question. Raises what generation raises
// (GenerationError for options that admit no question); the image is then
// left cleared.
void DrawExample(const TQOptions& options, QImage& image, const QWidget* owner);

}  // namespace sumcraft
