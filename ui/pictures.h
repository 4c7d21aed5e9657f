#pragma once

#include <QPixmap>

// The 16 x 16 pictures of the item list's buttons. They are drawn on pure white, and every
// pure white pixel is transparent.
QPixmap AddPicture();     // a green disc with a plus sign cut out of it
QPixmap RemovePicture();  // a red cross
QPixmap UpPicture();      // a green upward arrow
QPixmap DownPicture();    // a green downward arrow

// The program's icon, 64 x 64: coloured menu lines on black, as in app/orvane.svg.
QPixmap ProgramIcon();
