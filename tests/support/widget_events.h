#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

// Mouse and key events sent straight to a widget, as the user's would arrive.

// A mouse event of `type` at `at` (widget coordinates); the button is held except in a release.
inline void sendMouse(QWidget *widget, QEvent::Type type, QPointF at, Qt::MouseButton button = Qt::NoButton)
{
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// A press and a release of `button` at `at`.
inline void click(QWidget *widget, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(widget, QEvent::MouseButtonPress, at, button);
    sendMouse(widget, QEvent::MouseButtonRelease, at, button);
}

// A press of `key` without modifiers.
inline void pressKey(QWidget *widget, Qt::Key key)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}
