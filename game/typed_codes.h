#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace orvane {

// What follows a typed text where the game reads it.
enum class TypedTextEnd {
    ItemLineBreak,   // a new-style item: its line break
    TitleEnd,        // the new-style title: its page number or its line break
    MenuStringLine,  // a line of the old-style menu string: the encoder's "^n"
};

// The first thing in a typed title, item or menu line that the compiler reads as a ^ escape or
// the game as a \ code, described in one line ("the compiler reads ^n as a line break"), or
// nothing. What the compiler rejects is not this function's business and ends the search.
// With `encoderCodes`, the colour codes \w \y \r \d are taken as the menu encoder's own.
std::optional<QString> FirstTypedCode(QStringView typed, TypedTextEnd end,
                                      bool encoderCodes = false);

}  // namespace orvane
