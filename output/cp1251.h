#pragma once

#include <QByteArrayView>
#include <QString>

namespace orvane {

// Widens 8-bit Windows-1251 text (the Cyrillic Windows code page) to Unicode. The one byte
// the code page leaves unassigned, 0x98, becomes U+0098 as Windows' own conversion does.
QString Cp1251ToUnicode(QByteArrayView text);

}  // namespace orvane
