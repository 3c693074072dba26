#pragma once

#include <QRect>
#include <QSize>

// Where a companion window (the chart window beside the main window) goes, by whole frames in
// global coordinates.
namespace companion {

// The frame of the given size beside the owner's frame: to its right when the available area
// has room there, else to its left, else below it, else wherever inside the area it covers the
// least of the owner. A frame that may be as small as `minimum` is made narrower (or, below,
// lower) to fit beside the owner rather than cover it. Always wholly inside the available area:
// a frame larger than the area is made as large as the area.
QRect placeBeside(const QRect &owner, const QSize &frame, const QRect &available,
                  const QSize &minimum = QSize());

// The frame moved (and, when larger than the area, shrunk) so that it lies wholly inside the
// available area; a frame already inside stays where it is.
QRect keepInside(const QRect &frame, const QRect &available);

} // namespace companion
