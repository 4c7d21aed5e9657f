#pragma once

#include "generator/menu_inputs.h"
#include "generator/source_text.h"

#include <optional>

namespace orvane {

// Appends the plugin that shows the coloured menu string with show_menu and a key mask:
// 26 + 2k lines for k distinct handled keys.
// A handled key that is not a digit 0-9 stops after the header and returns the message
// "'c' is not a valid integer value"; otherwise returns nothing.
std::optional<QString> appendOldStyleMenu(SourceText &out, const OldStyleMenu &menu);

// The first character of `keys` that is not a digit 0-9 (a whole surrogate pair counts as
// one character), or nothing when every character is a digit.
std::optional<QString> firstNonDigit(QStringView keys);

// "'c' is not a valid integer value" for the offending character.
QString notAnIntegerMessage(const QString &character);

}  // namespace orvane
