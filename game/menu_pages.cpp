#include "game/menu_pages.h"

#include "game/pawn_string.h"
#include "generator/old_style_template.h"

namespace orvane {

namespace {

// What the generated plugin leaves at AMX Mod X's defaults and what it sets.
constexpr int kItemsPerPage = 7;
constexpr qsizetype kLineBytes = 254;   // each formatted line goes through a 255-byte buffer
constexpr qsizetype kPageBytes = 2047;  // and the page through a 2048-byte one
const QByteArray kBackName = "Назад";
const QByteArray kNextName = "Далее";
const QByteArray kExitName = "Выход";

int pageCount(const NewStyleMenu &menu) {
    // A menu without items never reaches a plugin: the editor refuses it. Shown as one page.
    return std::max<int>(1, int((menu.items.size() + kItemsPerPage - 1) / kItemsPerPage));
}

class PageWriter {
  public:
    void addLine(PageLine::Kind kind, int item, QByteArray line) {
        const bool cut = line.size() > kLineBytes;
        line.truncate(kLineBytes);
        page_.lines.append(
            PageLine{kind, item, page_.bytes.size(), page_.bytes.size() + line.size(), cut});
        page_.bytes += line;
    }
    void addPadding(qsizetype lineBreaks) { page_.bytes.append(lineBreaks, '\n'); }

    MenuPage take() {
        page_.bytes.truncate(kPageBytes);
        return std::move(page_);
    }

  private:
    MenuPage page_;
};

// An available key's line: red number, white name. An unavailable paging key is grey, and only
// that form ends with a \w after its line break.
QByteArray keyLine(char key, const QByteArray &name, bool available) {
    if (available) return "\\r" + QByteArray(1, key) + ". \\w" + name + "\n";
    return "\\d" + QByteArray(1, key) + ". " + name + "\n\\w";
}

}  // namespace

QList<MenuPage> NewStyleMenuPageLayout(const NewStyleMenu &menu) {
    const int pages = pageCount(menu);
    const QByteArray title = PawnStringBytes(menu.title).bytes;
    QList<QByteArray> items;
    items.reserve(menu.items.size());
    for (const QString &item : menu.items) items.append(PawnStringBytes(item).bytes);

    QList<MenuPage> result;
    result.reserve(pages);
    for (int page = 0; page < pages; ++page) {
        PageWriter writer;
        QByteArray titleLine = "\\y" + title;
        if (pages > 1)
            titleLine += ' ' + QByteArray::number(page + 1) + '/' + QByteArray::number(pages);
        writer.addLine(PageLine::Title, 0, titleLine + "\n\\w\n");

        const qsizetype first = qsizetype(page) * kItemsPerPage;
        const qsizetype last = std::min(first + kItemsPerPage, items.size());
        for (qsizetype i = first; i < last; ++i) {
            writer.addLine(PageLine::Item, int(i + 1),
                           "\\r" + QByteArray::number(i - first + 1) + ".\\w " + items[i] + "\n");
        }
        writer.addPadding(kItemsPerPage - (last - first) + 1);
        if (pages > 1) {
            writer.addLine(PageLine::Back, 0, keyLine('8', kBackName, page > 0));
            writer.addLine(PageLine::Next, 0, keyLine('9', kNextName, page + 1 < pages));
        }
        writer.addLine(PageLine::Exit, 0, keyLine('0', kExitName, true));
        result.append(writer.take());
    }
    return result;
}

QList<QByteArray> NewStyleMenuPages(const NewStyleMenu &menu) {
    QList<QByteArray> pages;
    for (MenuPage &page : NewStyleMenuPageLayout(menu)) pages.append(std::move(page.bytes));
    return pages;
}

QByteArray OldStyleMenuText(const OldStyleMenu &menu) {
    return PawnStringBytes(menu.menuString).bytes;
}

KeyEffect NewStyleKeyEffect(const NewStyleMenu &menu, int page, int key) {
    const int pages = pageCount(menu);
    if (page < 0 || page >= pages) return {};
    if (key == 0) return {KeyEffect::Exit, 0};
    if (pages > 1 && key == 8) return page > 0 ? KeyEffect{KeyEffect::Back, 0} : KeyEffect{};
    if (pages > 1 && key == 9)
        return page + 1 < pages ? KeyEffect{KeyEffect::Next, 0} : KeyEffect{};
    if (key < 1 || key > kItemsPerPage) return {};
    // The handler reads the item's number back from its info string and switches on it; the
    // generator makes the info buffer wide enough for every number.
    const qsizetype item = qsizetype(page) * kItemsPerPage + key;
    if (item > menu.items.size()) return {};
    return {KeyEffect::Case, int(item)};
}

KeyEffect OldStyleKeyEffect(const OldStyleMenu &menu, int key) {
    if (key < 0 || key > 9 || firstNonDigit(menu.handledKeys)) return {};
    const QChar digit(u'0' + key);
    if (!menu.handledKeys.contains(digit)) return {};
    // show_menu's key value: key 1 arrives as 0, ..., key 9 as 8, key 0 as 9.
    return {KeyEffect::Case, key == 0 ? 9 : key - 1};
}

}  // namespace orvane
