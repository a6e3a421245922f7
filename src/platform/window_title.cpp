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
    const int growth = needed - window->width();
    window->setMinimumWidth(qMax(window->minimumWidth(), needed));
    window->setGeometry(window->x() - growth / 2, window->y(), needed, window->height());
}
