#include "generator/new_style_template.h"

#include "generator/shared_pieces.h"

namespace orvane {

using namespace pieces;

namespace {

// The handler reads each item's number back into a string buffer; it must hold the largest
// number and its terminator, or item 100 reads back as 10. Menus under 100 items keep the
// classic "cmd[3]" and "cmd,2".
qint64 infoDigits(qsizetype itemCount) {
    return std::max<qint64>(2, QString::number(itemCount).size());
}

qsizetype estimatedSize(const NewStyleMenu &menu) {
    qsizetype size = 1024 + menu.title.size() + menu.command.size();
    for (const QString &item : menu.items) size += item.size() + 80;
    return size;
}

}  // namespace

void appendNewStyleMenu(SourceText &out, const NewStyleMenu &menu) {
    out.reserve(out.text().size() + estimatedSize(menu));
    appendHeader(out);
    out.appendEmptyLine();
    out.appendLine(0, kPluginStart);
    out.appendEmptyLine();
    out.appendLine(kBodyIndent, kCommandRegistration, {menu.command, menu.accessFlag});
    out.appendLine(kBodyIndent, kPluginRegistration);
    out.appendLine(0, kFunctionClosing);
    out.appendEmptyLine();
    appendMenuFunctionStart(out);
    out.appendLine(kBodyIndent, u"new i_Menu = menu_create(\"%s\", \"menu_handler\");",
                   {menu.title});
    for (qsizetype k = 0; k < menu.items.size(); ++k)
        out.appendLine(kBodyIndent, u"menu_additem(i_Menu, \"%s\", \"%d\", 0);",
                       {menu.items[k], qint64{k + 1}});
    out.appendLine(kBodyIndent, u"menu_setprop(i_Menu, MPROP_NEXTNAME, \"Далее\");");
    out.appendLine(kBodyIndent, u"menu_setprop(i_Menu, MPROP_BACKNAME, \"Назад\");");
    out.appendLine(kBodyIndent, u"menu_setprop(i_Menu, MPROP_EXITNAME, \"Выход\");");
    out.appendEmptyLine();
    out.appendLine(kBodyIndent, u"menu_display(id, i_Menu, 0)");
    // Without it the command goes on to the game, which answers "Unknown command".
    out.appendLine(kBodyIndent, kReturnHandled);
    out.appendLine(0, kFunctionClosing);
    out.appendEmptyLine();
    out.appendLine(0, u"public menu_handler(id, menu, item) {");
    // Every use creates a new menu: it must be destroyed on every way out of the handler, or
    // menus and their forwards pile up until the map changes. A player who leaves the menu
    // arrives here with a negative item (MENU_EXIT, MENU_TIMEOUT).
    out.appendLine(kBodyIndent, u"if( item < 0 ) {");
    out.appendLine(2 * kBodyIndent, u"menu_destroy(menu);");
    out.appendLine(2 * kBodyIndent, kReturnHandled);
    out.appendLine(kBodyIndent, kBlockClosing);
    const qint64 digits = infoDigits(menu.items.size());
    out.appendLine(kBodyIndent, u"new cmd[%d], access, callback;", {digits + 1});
    out.appendLine(kBodyIndent, u"menu_item_getinfo(menu, item, access, cmd,%d,_,_, callback);",
                   {digits});
    out.appendLine(kBodyIndent, u"new Choise = str_to_num(cmd)");
    out.appendLine(kBodyIndent, u"switch (Choise) {");
    for (qsizetype k = 1; k <= menu.items.size(); ++k) appendEmptyCase(out, k);
    out.appendLine(kBodyIndent, kBlockClosing);
    out.appendLine(kBodyIndent, u"menu_destroy(menu);");
    out.appendLine(kBodyIndent, kReturnHandled);
    out.appendLine(0, kFunctionClosing);
}

}  // namespace orvane
