#include "platform/twips.h"

#include <cmath>

namespace Twips {

int toPixels(int twips, qreal dpi)
{
    return int(std::lround(qreal(twips) * dpi / 1440.0));
}

int fromPixels(int pixels, qreal dpi)
{
    if (dpi <= 0)
        return 0;
    return int(std::lround(qreal(pixels) * 1440.0 / dpi));
}

} // namespace Twips
