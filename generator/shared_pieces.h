#pragma once

#include "generator/source_text.h"

// The lines and pieces that both menu templates are made of.
namespace orvane::pieces {

inline constexpr int kBodyIndent = 7;

inline constexpr char16_t kPluginStart[] = u"public plugin_init() {";
inline constexpr char16_t kPluginRegistration[] = u"register_plugin(PLUGIN, VERSION, AUTHOR);";
inline constexpr char16_t kCommandRegistration[] = u"register_clcmd(\"%s\", \"cmdMenu\", %s);";
inline constexpr char16_t kMenuFunctionStart[] = u"public cmdMenu(id) {";
inline constexpr char16_t kCaseOpening[] = u"case %d: {";
inline constexpr char16_t kBlockClosing[] = u"}";
inline constexpr char16_t kFunctionClosing[] = u"}";

// "#include <amxmodx>", an empty line and the three plugin defines.
void appendHeader(SourceText &out);

// An empty case block: "case N: {" directly followed by its closing brace.
void appendEmptyCase(SourceText &out, qint64 label);

}  // namespace orvane::pieces
