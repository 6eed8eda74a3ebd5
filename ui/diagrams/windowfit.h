#pragma once
// A window kept on the screen it opens on: never larger than the screen's
// free area less the frame the window manager draws around it, and moved
// inside that area, so that every edge of it can be reached.

#include <QMargins>
#include <QRect>
#include <QString>

class QWidget;

namespace lamvero {

// The window's geometry (its inside, without the frame) fitted into
// `available`; `frame` is what the window manager adds on each side.
QRect FittedGeometry(QRect geometry, QRect available, QMargins frame);

// The same size, fitted and centred in `available`.
QRect CentredGeometry(QSize size, QRect available, QMargins frame);

// Fits a top-level window, frame included, into the free area `available`.
void FitInto(QWidget& window, const QRect& available);

// Places a top-level window at its first showing: where it was left (its
// geometry as saved under the settings key `geometryKey`), fitted into that
// screen if it is still there, else at `preferred` size centred on the
// screen of its parent or the primary screen.
void PlaceOnScreen(QWidget& window, const QString& geometryKey, QSize preferred);

}  // namespace lamvero
