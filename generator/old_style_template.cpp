#include "generator/old_style_template.h"

#include "generator/shared_pieces.h"

#include <array>

namespace orvane {

using namespace pieces;

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// AMX Mod X numbers the keys from 1: keyboard key 1 is bit 0 and reaches the handler as
// key 0, ..., key 9 is bit 8 / key 8, and key 0 is bit 9 / key 9.
int keyValue(QChar digit) {
    const int value = digit.unicode() - u'0';
    return value == 0 ? 9 : value - 1;
}

QString keyMaskLine(QStringView keys) {
    QString line = QStringLiteral("#define KEYS (");
    for (qsizetype i = 0; i < keys.size(); ++i) {
        line += u"1 << ";
        line += QString::number(keyValue(keys[i]));
        line += i + 1 < keys.size() ? u")|(" : u")";
    }
    return line;
}

}  // namespace

std::optional<QString> firstNonDigit(QStringView keys) {
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (isDigit(keys[i])) continue;
        const bool pair =
            keys[i].isHighSurrogate() && i + 1 < keys.size() && keys[i + 1].isLowSurrogate();
        return keys.mid(i, pair ? 2 : 1).toString();
    }
    return std::nullopt;
}

QString notAnIntegerMessage(const QString &character) {
    return QStringLiteral("'%1' is not a valid integer value").arg(character);
}

std::optional<QString> appendOldStyleMenu(SourceText &out, const OldStyleMenu &menu) {
    appendHeader(out);
    if (const auto bad = firstNonDigit(menu.handledKeys)) return notAnIntegerMessage(*bad);

    out.appendLine(0, keyMaskLine(menu.handledKeys));
    out.appendEmptyLine();
    out.appendLine(0, kPluginStart);
    out.appendEmptyLine();
    out.appendLine(kBodyIndent, kPluginRegistration);
    out.appendLine(kBodyIndent, kCommandRegistration, {menu.command, menu.accessFlag});
    out.appendLine(kBodyIndent,
                   u"register_menucmd(register_menuid(\"%s\"), KEYS, \"MenuPressed\");",
                   {menu.menuName});
    out.appendLine(0, kFunctionClosing);
    out.appendEmptyLine();
    appendMenuFunctionStart(out);
    // The last argument is the menu's title: a key press reaches the handler registered with
    // register_menuid only when show_menu was given that same name.
    out.appendLine(kBodyIndent, u"show_menu(id, KEYS, \"%s\", -1, \"%s\");",
                   {menu.menuString, menu.menuName});
    out.appendLine(kBodyIndent, kReturnHandled);
    out.appendLine(0, kFunctionClosing);
    out.appendEmptyLine();
    out.appendLine(0, u"public MenuPressed(id, key) {");
    out.appendLine(kBodyIndent, u"switch (key) {");
    // One case per distinct key, in order of first appearance: a repeated label would not
    // compile.
    std::array<bool, 10> handled{};
    for (const QChar digit : menu.handledKeys) {
        const int key = keyValue(digit);
        if (handled[key]) continue;
        handled[key] = true;
        appendEmptyCase(out, key);
    }
    out.appendLine(kBodyIndent, kBlockClosing);
    out.appendLine(kBodyIndent, kReturnHandled);
    out.appendLine(0, kFunctionClosing);
    return std::nullopt;
}

}  // namespace orvane
