#pragma once

#include <QString>
#include <QStringView>

#include <vector>

namespace orvane {

// A 24-bit colour as 0xRRGGBB.
using Rgb = quint32;

namespace MenuColour {
inline constexpr Rgb White = 0xFFFFFF;
inline constexpr Rgb Yellow = 0xFFFF00;
inline constexpr Rgb Red = 0xFF0000;
inline constexpr Rgb Grey = 0x808080;
}  // namespace MenuColour

// One line of the coloured menu text: colours[i] is the foreground colour of text[i].
struct ColouredLine {
    QString text;
    std::vector<Rgb> colours;
};

// The lines as the editor shows them, top to bottom.
using ColouredText = std::vector<ColouredLine>;

// The menu string for show_menu: the text with AMX Mod X's colour code (\r \y \d \w) wherever
// the colour changes, starting from black and carrying across lines, and "^n" after every
// line. Colours other than the four menu colours change nothing visible and get no code.
QString MenuTextEncoding(const ColouredText &text);

// The first digit of every line that starts with one once trimmed, in line order.
QString HandledKeysHarvest(const ColouredText &text);

// `text` without the leading and trailing characters of code 32 or less.
QStringView Trimmed(QStringView text);

}  // namespace orvane
