#pragma once

class QFrame;

// Draws `frame`'s border in the highlight colour, so that a list or grid shows that it has the keyboard
// focus (the styles in use draw the same border with or without it). Call it from the frame's own paint
// event, after the frame has painted itself.
void paintFocusFrame(QFrame *frame);
