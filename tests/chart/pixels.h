#pragma once

#include <QImage>

#include "chart/surface.h"

namespace rorovovo::chart::testing {

inline Rgb at(const QImage& img, int x, int y) { return img.pixel(x, y) & 0xFFFFFF; }

inline int countInRect(const QImage& img, Rgb color, int left, int top, int right, int bottom) {
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (at(img, x, y) == color) ++n;
    return n;
}

inline bool columnHas(const QImage& img, int x, Rgb color) {
    for (int y = 0; y < img.height(); ++y)
        if (at(img, x, y) == color) return true;
    return false;
}

}  // namespace rorovovo::chart::testing
