#pragma once

#include "generator/coloured_text.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace orvane {

// The colours the game draws a menu in.
namespace GameColour {
inline constexpr Rgb White = 0xFFFFFF;
inline constexpr Rgb Yellow = 0xFFD240;
inline constexpr Rgb Red = 0xD21800;
inline constexpr Rgb Grey = 0x646464;
}  // namespace GameColour

// What the client keeps of a menu's text, and draws of one run of it (bytes).
inline constexpr qsizetype kClientMenuBytes = 511;
inline constexpr qsizetype kClientRunBytes = 79;

// Why a piece of the menu text never reaches the player's screen.
enum class ScreenCut {
    None,             // shown
    RunOver79Bytes,   // past the 79 bytes the game draws of one run of text
    MenuOver511Bytes  // past the 511 bytes of a menu the game keeps
};

// A run of text in one colour; the cut parts stand as runs of their own, in place.
struct ScreenRun {
    QString text;
    Rgb colour = GameColour::White;
    bool rightAligned = false;  // after a \R code: drawn from the middle of the screen
    ScreenCut cut = ScreenCut::None;
};

struct ScreenLine {
    QList<ScreenRun> runs;
};

struct ScreenText {
    QList<ScreenLine> lines;
    qsizetype bytes = 0;  // the whole menu text, shown or not
};

// What the player's screen shows of a menu text as AMX Mod X sends it.
ScreenText ClientScreen(const QByteArray &menuText);

}  // namespace orvane
