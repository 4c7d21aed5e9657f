#pragma once

#include "generator/menu_inputs.h"

#include <QByteArray>
#include <QList>

namespace orvane {

// Every page of the generated new-style plugin's menu, byte for byte as AMX Mod X sends it to
// the player: seven items a page, colours on, our Back/Next/Exit captions.
QList<QByteArray> NewStyleMenuPages(const NewStyleMenu &menu);

// A line of a page that the title or a key stands for, so that a cut can be named.
struct PageLine {
    enum Kind { Title, Item, Back, Next, Exit };
    Kind kind = Title;
    int item = 0;           // with Item: the item's number in the menu, from 1
    qsizetype begin = 0;    // where the line starts and ends in the page's bytes; a line past the
    qsizetype end = 0;      // page's 2047-byte cut keeps the place it would have had
    bool cutAt254 = false;  // AMX Mod X kept only 254 bytes of the formatted line
};

struct MenuPage {
    QByteArray bytes;  // as NewStyleMenuPages gives it
    QList<PageLine> lines;
};

// The same pages with the place of each line in them.
QList<MenuPage> NewStyleMenuPageLayout(const NewStyleMenu &menu);

// The text the generated old-style plugin passes to show_menu, as the compiler stores it.
QByteArray OldStyleMenuText(const OldStyleMenu &menu);

// What a menu key (1-9, or 0) does in the generated plugin.
struct KeyEffect {
    enum Kind { Nothing, Back, Next, Exit, Case };
    Kind kind = Nothing;
    int caseLabel = 0;  // with Case: the handler's case label the key reaches
};

// On page `page` (0-based) of the new-style menu.
KeyEffect NewStyleKeyEffect(const NewStyleMenu &menu, int page, int key);

// In the old-style menu: a key outside the mask does nothing.
KeyEffect OldStyleKeyEffect(const OldStyleMenu &menu, int key);

}  // namespace orvane
