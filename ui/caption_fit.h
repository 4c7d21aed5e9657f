#pragma once

class QPushButton;

// Makes a push button's caption fit inside the button with the margin its style keeps around a
// caption. A caption too wide in the button's font is drawn in the same face and height with
// its letters condensed as far as needed: fonts differ between systems (MS Sans Serif is
// narrower than the faces that stand in for it), while the buttons' sizes are fixed.
void FitCaption(QPushButton &button);
