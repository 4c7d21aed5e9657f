#include "generator/shared_pieces.h"

namespace orvane::pieces {

void appendHeader(SourceText &out) {
    out.appendLine(0, u"#include <amxmodx>");
    out.appendLine(0, u"#include <amxmisc>");
    out.appendEmptyLine();
    out.appendLine(0, u"#define PLUGIN \"New Plug-In\"");
    out.appendLine(0, u"#define VERSION \"1.0\"");
    out.appendLine(0, u"#define AUTHOR \"author\"");
}

void appendMenuFunctionStart(SourceText &out) {
    out.appendLine(0, kMenuFunctionStart);
    out.appendLine(kBodyIndent, u"if (!cmd_access(id, level, cid, 1)) return PLUGIN_HANDLED;");
}

void appendEmptyCase(SourceText &out, qint64 label) {
    out.appendLine(kBodyIndent, kCaseOpening, {label});
    out.appendLine(kBodyIndent, kBlockClosing);
}

}  // namespace orvane::pieces
