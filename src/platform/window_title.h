#pragma once

class QWidget;

// Widens the window `window` so that a title bar can show its whole title: the title drawn in the bold
// form of the window's font, with room for the bar's icon and buttons. Run it when the window is about to
// be shown (its size and title are known then): a dialog is then centred at its new width.
void fitWindowTitle(QWidget *window);

// The width `fitWindowTitle` gives a window at least.
int titleWidth(const QWidget *window);
