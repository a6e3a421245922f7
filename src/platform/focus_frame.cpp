#include "platform/focus_frame.h"

#include <QFrame>
#include <QPainter>

void paintFocusFrame(QFrame *frame)
{
    QPainter painter(frame);
    painter.setPen(frame->palette().color(QPalette::Highlight));
    painter.setBrush(Qt::NoBrush);
    // The border is at least one pixel wide; children (the viewport, a header) cover what lies inside it.
    const int width = qMax(1, frame->frameWidth());
    for (int i = 0; i < width; ++i)
        painter.drawRect(frame->rect().adjusted(i, i, -1 - i, -1 - i));
}
