#pragma once

#include "generator/menu_inputs.h"
#include "generator/source_text.h"

namespace orvane {

// Appends the plugin that builds the menu with AMX Mod X's menu_* functions: 37 + 3n lines.
void appendNewStyleMenu(SourceText &out, const NewStyleMenu &menu);

}  // namespace orvane
