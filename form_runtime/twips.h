#pragma once

#include <QRect>

namespace form_runtime {

// The zoom of the windows' layouts, in quarters: 4 is 100 %, the size the
// layout tables give; from 4 to 12 (300 %).
int zoomQuarters();
void setZoomQuarters(int quarters);
constexpr int kActualSize = 4, kLeastZoom = 4, kMostZoom = 12;

// Layout positions and sizes are given in twips, 1/1440 inch: 15 twips make
// one logical pixel at 100 %. Qt's device-pixel ratio takes care of denser
// screens.
inline int twipsToPixels(int twips)
{
    return (twips * zoomQuarters() + 28) / 60; // (twips + 7) / 15 at 100 %
}

inline QRect twips(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

// A point size at the zoom.
inline double zoomed(double pointSize)
{
    return pointSize * zoomQuarters() / kActualSize;
}

} // namespace form_runtime
