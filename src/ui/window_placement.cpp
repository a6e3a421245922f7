#include "ui/window_placement.h"

#include <algorithm>

namespace {

qint64 area(const QRect &rect)
{
    return rect.isValid() ? qint64(rect.width()) * rect.height() : 0;
}

// `size` brought within `screen`, never below `minimum` unless the screen is smaller still.
QSize boundedSize(QSize size, QSize minimum, const QRect &screen)
{
    size = size.expandedTo(minimum);
    return size.boundedTo(screen.size());
}

QRect centredOn(const QRect &screen, QSize size)
{
    QRect rect(QPoint(), size);
    rect.moveCenter(screen.center());
    return rect;
}

// `rect` moved, as little as possible, so that it lies within `screen` (its size already fits).
QRect movedInside(QRect rect, const QRect &screen)
{
    rect.moveLeft(std::clamp(rect.left(), screen.left(), screen.right() - rect.width() + 1));
    rect.moveTop(std::clamp(rect.top(), screen.top(), screen.bottom() - rect.height() + 1));
    return rect;
}

} // namespace

WindowPlacement placeWindow(const std::optional<WindowPlacement> &remembered, const QList<QRect> &screens,
                            QSize design, QSize minimum)
{
    const QRect primary = screens.isEmpty() ? QRect(QPoint(), design.expandedTo(minimum)) : screens.first();
    if (!remembered || remembered->normal.isEmpty()) {
        const QSize threeQuarters(primary.width() * 3 / 4, primary.height() * 3 / 4);
        const QSize size = boundedSize(threeQuarters.expandedTo(design), minimum, primary);
        return {centredOn(primary, size), false};
    }

    const QRect &normal = remembered->normal;
    QRect screen = primary;
    qint64 shown = 0;
    for (const QRect &candidate : screens) {
        const qint64 overlap = area(candidate.intersected(normal));
        if (overlap > shown) {
            shown = overlap;
            screen = candidate;
        }
    }
    const QSize size = boundedSize(normal.size(), minimum, screen);
    // A window on no screen any more (a screen unplugged) comes back centred on the primary one.
    const QRect placed =
        shown > 0 ? movedInside(QRect(normal.topLeft(), size), screen) : centredOn(screen, size);
    return {placed, remembered->maximised};
}
