#include "platform/window_title.h"

#include <QFontMetrics>
#include <QWidget>

namespace {

// The title bar's icon, its three buttons and the bar's margins, as desktops commonly draw them.
constexpr int kTitleBarRoom = 120;

} // namespace

int titleWidth(const QWidget *window)
{
    QFont font = window->font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(window->windowTitle()) + kTitleBarRoom;
}

void fitWindowTitle(QWidget *window)
{
    const int needed = titleWidth(window);
    if (window->width() >= needed)
        return;
    // A resize, not a move: a dialog not yet shown is then still centred over its parent at its new width.
    window->setMinimumWidth(qMax(window->minimumWidth(), needed));
    window->resize(needed, window->height());
}
