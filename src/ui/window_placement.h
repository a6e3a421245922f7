#pragma once

#include "common/settings.h"

#include <QList>
#include <QRect>
#include <QSize>
#include <optional>

// Where the main window opens. `screens` are the available areas of the screens (without panels), the
// primary screen first; `minimum` is the window's smallest size and `design` its size at design.
// Without a remembered placement (a first start) the window takes three quarters of the primary screen,
// never less than the design size, centred. A remembered placement keeps its size and position when it
// lies on a screen; otherwise it moves onto the screen that shows the most of it (the primary screen when
// none does), shrunk to that screen if larger. No size is ever below `minimum` unless the screen is smaller.
WindowPlacement placeWindow(const std::optional<WindowPlacement> &remembered, const QList<QRect> &screens,
                            QSize design, QSize minimum);
