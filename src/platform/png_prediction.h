#pragma once

#include <cstdlib>

// What the PNG filter `type` (0 to 4) adds back to a byte, from the bytes to its left, above it and above
// to the left (0 outside the image); -1 for an unknown type. Type -1 is the TIFF predictor 2: the left byte.
inline int pngPrediction(int type, int left, int up, int upLeft)
{
    switch (type) {
    case -1:
    case 1:
        return left;
    case 0:
        return 0;
    case 2:
        return up;
    case 3:
        return (left + up) / 2;
    case 4: {
        const int estimate = left + up - upLeft;
        const int toLeft = std::abs(estimate - left);
        const int toUp = std::abs(estimate - up);
        const int toUpLeft = std::abs(estimate - upLeft);
        return toLeft <= toUp && toLeft <= toUpLeft ? left : toUp <= toUpLeft ? up : upLeft;
    }
    default:
        return -1;
    }
}
