#pragma once

#include "generator/source_text.h"

// The lines and pieces that both menu templates are made of.
namespace orvane::pieces {

inline constexpr int kBodyIndent = 7;

inline constexpr char16_t kPluginStart[] = u"public plugin_init() {";
inline constexpr char16_t kPluginRegistration[] = u"register_plugin(PLUGIN, VERSION, AUTHOR);";
inline constexpr char16_t kCommandRegistration[] = u"register_clcmd(\"%s\", \"cmdMenu\", %s);";
inline constexpr char16_t kMenuFunctionStart[] = u"public cmdMenu(id, level, cid) {";
inline constexpr char16_t kReturnHandled[] = u"return PLUGIN_HANDLED;";
inline constexpr char16_t kCaseOpening[] = u"case %d: {";
inline constexpr char16_t kBlockClosing[] = u"}";
inline constexpr char16_t kFunctionClosing[] = u"}";

// "#include <amxmodx>", "#include <amxmisc>", an empty line and the three plugin defines.
void appendHeader(SourceText &out);

// The command function's opening line and its access check. register_clcmd only records the
// access flag: the core calls the function for every player, and only cmd_access() refuses
// those who lack the flag.
void appendMenuFunctionStart(SourceText &out);

// An empty case block: "case N: {" directly followed by its closing brace.
void appendEmptyCase(SourceText &out, qint64 label);

}  // namespace orvane::pieces
