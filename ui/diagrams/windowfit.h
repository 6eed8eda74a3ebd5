#pragma once
// A window kept on the screen it opens on: never larger than the screen's
// free area less the frame the window manager draws around it, and moved
// inside that area, so that every edge of it can be reached.

#include <QMargins>
#include <QRect>

namespace lamvero {

// The window's geometry (its inside, without the frame) fitted into
// `available`; `frame` is what the window manager adds on each side.
QRect FittedGeometry(QRect geometry, QRect available, QMargins frame);

// The same size, fitted and centred in `available`.
QRect CentredGeometry(QSize size, QRect available, QMargins frame);

}  // namespace lamvero
