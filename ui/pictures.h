#pragma once

#include <QIcon>
#include <QPixmap>

// The 16 x 16 pictures of the item list's buttons, drawn for a device pixel ratio: at 2 the
// pixmap has 32 x 32 pixels and that ratio. White shows nowhere: what the pictures cut out
// (the plus sign of Add) and their background are transparent.
QPixmap AddPicture(qreal devicePixelRatio = 1);     // a green disc with a plus sign cut out of it
QPixmap RemovePicture(qreal devicePixelRatio = 1);  // a red cross
QPixmap UpPicture(qreal devicePixelRatio = 1);      // a green upward arrow
QPixmap DownPicture(qreal devicePixelRatio = 1);    // a green downward arrow

// The program's icon, 64 x 64: coloured menu lines on black, as in app/orvane.svg.
QPixmap ProgramIcon(qreal devicePixelRatio = 1);

// An icon that draws `picture` afresh for every size and screen it is shown at, so that it stays
// crisp on high-density screens instead of being scaled up from its 1x pixels.
QIcon DrawnIcon(QPixmap (*picture)(qreal devicePixelRatio));
