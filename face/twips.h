#pragma once

#include <QRect>

#include <cmath>

// The windows are laid out in 1/1440 inch; at 96 pixels per inch 15 of these
// make a pixel.
inline constexpr double TwipsPerPixel = 15.0;

// To the nearest pixel, halves up.
inline int twipsToPixels(double twips)
{
    return static_cast<int>(std::floor(twips / TwipsPerPixel + 0.5));
}

inline QRect twipsRect(double left, double top, double width, double height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}
