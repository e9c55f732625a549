#pragma once

#include <QRect>

namespace form_runtime {

// Layout positions and sizes are given in twips, 1/1440 inch: 15 twips make
// one logical pixel. Qt's device-pixel ratio takes care of denser screens.
constexpr int twipsToPixels(int twips)
{
    return (twips + 7) / 15;
}

constexpr QRect twips(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

} // namespace form_runtime
