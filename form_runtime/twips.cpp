#include "form_runtime/twips.h"

#include <algorithm>

namespace form_runtime {

namespace {

int zoom = kActualSize;

} // namespace

int zoomQuarters()
{
    return zoom;
}

void setZoomQuarters(int quarters)
{
    zoom = std::clamp(quarters, kLeastZoom, kMostZoom);
}

} // namespace form_runtime
