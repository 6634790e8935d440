#pragma once
// Replays a recorded page onto any QPainter: the preview image, a printer
// page, a PDF page.
#include <QPainter>
#include <QRectF>
#include <QSizeF>

#include "render/DisplayList.h"

namespace sumcraft {

struct TReplayOptions {
  // Smooth text, lines and image scaling; vector devices ignore it.
  bool Antialias = true;
};

// Draws `page` so that the page area (0, 0, pageSize) in page units is
// stretched over `target` in the painter's current coordinates: page point
// (px, py) lands at (target.x + px * target.width / pageSize.width, ...).
// Everything scales, text included (its top-left stays at the scaled point
// and its width scales exactly with the page). Pens narrower than one device
// pixel after scaling are drawn one device pixel wide. Raster pen modes (XOR
// and the like) work on devices that support them (QImage); elsewhere they
// draw as copy, except no-op and "not S", which draw nothing there.
// The painter's state is restored afterwards.
void ReplayPage(const TDisplayList& page, QPainter& painter, const QRectF& target, const QSizeF& pageSize,
                const TReplayOptions& options = {});

}  // namespace sumcraft
