#pragma once

#include <QtGlobal>

// Twips are 1/1440 inch; the grid's column widths are stored in them. `dpi` is the logical dots per inch
// of the screen the widget is on; both conversions round to the nearest whole number.
namespace Twips {

int toPixels(int twips, qreal dpi);
int fromPixels(int pixels, qreal dpi);

} // namespace Twips
