#include "game/menu_pages.h"
#include "game/plugin_check.h"
#include "game/problem_list.h"
#include "game/typed_codes.h"
#include "generator/new_style_template.h"

#include <algorithm>

namespace orvane {

namespace {

QString itemField(int item) {
    return QStringLiteral("Item %1").arg(item);
}

QString fieldOfLine(const SourceLine &line, int item) {
    if (item > 0) return itemField(item);
    if (line.text.startsWith(u"new i_Menu = menu_create(")) return QStringLiteral("Title");
    if (line.text.startsWith(u"register_clcmd(")) return QStringLiteral("Command");
    return QStringLiteral("Line %1 of the plugin").arg(line.number);
}

void checkSource(ProblemList &problems, const NewStyleMenu &menu) {
    SourceText source;
    appendNewStyleMenu(source, menu);
    int item = 0;
    for (const SourceLine &line : SourceLines(source.text())) {
        const bool isItem = line.text.startsWith(u"menu_additem(");
        if (isItem) ++item;
        if (line.bytes > kLongestLine182)
            problems.checkLineLength(fieldOfLine(line, isItem ? item : 0), line);
    }
}

QString lineName(const PageLine &line) {
    switch (line.kind) {
        case PageLine::Title:
            return QStringLiteral("the title");
        case PageLine::Item:
            return QStringLiteral("item %1").arg(line.item);
        case PageLine::Back:
            return QStringLiteral("Back");
        case PageLine::Next:
            return QStringLiteral("Next");
        case PageLine::Exit:
            break;
    }
    return QStringLiteral("Exit");
}

// The first text the player does not see: past the client's cut (a character split by it
// included), line breaks and codes skipped, as they show nothing. The page's size if none.
qsizetype firstHiddenText(const QByteArray &bytes) {
    qsizetype hidden = kClientMenuBytes;
    while (hidden > 0 && (quint8(bytes[hidden]) & 0xC0) == 0x80) --hidden;
    while (hidden < bytes.size() && (bytes[hidden] == '\n' || bytes[hidden] == '\\'))
        hidden += bytes[hidden] == '\n' ? 1 : 2;
    return std::min(hidden, bytes.size());
}

void checkPageSize(ProblemList &problems, int pageNumber, const MenuPage &page) {
    if (page.bytes.size() <= kClientMenuBytes) return;
    const qsizetype hidden = firstHiddenText(page.bytes);
    QString what = QStringLiteral("line breaks and codes only");
    for (const PageLine &line : page.lines) {
        if (hidden < page.bytes.size() && line.end > hidden) {
            what = QStringLiteral("from %1 on").arg(lineName(line));
            break;
        }
    }
    problems.add(ProblemSeverity::GameCutsText, QStringLiteral("Page %1").arg(pageNumber),
                 QStringLiteral("%1 bytes; the game shows %2 and hides the rest, %3")
                     .arg(page.bytes.size())
                     .arg(kClientMenuBytes)
                     .arg(what));
}

QByteArray lineBytes(const MenuPage &page, const PageLine &line) {
    return page.bytes.mid(line.begin, line.end - line.begin);
}

void checkLineCut(ProblemList &problems, const QString &field, const MenuPage &page,
                  const PageLine &line) {
    if (line.cutAt254) {
        problems.add(ProblemSeverity::GameCutsText, field,
                     QStringLiteral("AMX Mod X keeps 254 bytes of its menu line and drops the "
                                    "rest, the line break with it"));
    } else {
        problems.checkRuns(field, ClientScreen(lineBytes(page, line)));
    }
}

void checkPages(ProblemList &problems, const NewStyleMenu &menu) {
    const QList<MenuPage> pages = NewStyleMenuPageLayout(menu);
    // The last page's title carries the longest page number.
    const MenuPage &last = pages.back();
    checkLineCut(problems, QStringLiteral("Title"), last, last.lines.front());
    for (const MenuPage &page : pages) {
        for (const PageLine &line : page.lines)
            if (line.kind == PageLine::Item)
                checkLineCut(problems, itemField(line.item), page, line);
    }
    for (qsizetype p = 0; p < pages.size(); ++p) checkPageSize(problems, int(p + 1), pages[p]);
}

void checkTypedCodes(ProblemList &problems, const NewStyleMenu &menu) {
    if (const auto code = FirstTypedCode(menu.title, TypedTextEnd::TitleEnd))
        problems.add(ProblemSeverity::ActsAsCode, QStringLiteral("Title"), *code);
    for (qsizetype i = 0; i < menu.items.size(); ++i) {
        if (const auto code = FirstTypedCode(menu.items[i], TypedTextEnd::ItemLineBreak))
            problems.add(ProblemSeverity::ActsAsCode, itemField(int(i + 1)), *code);
    }
}

}  // namespace

QList<PluginProblem> CheckPlugin(const NewStyleMenu &menu) {
    ProblemList problems;
    problems.checkLiteral(QStringLiteral("Title"), menu.title);
    problems.checkLiteral(QStringLiteral("Command"), menu.command);
    for (qsizetype i = 0; i < menu.items.size(); ++i)
        problems.checkLiteral(itemField(int(i + 1)), menu.items[i]);
    checkSource(problems, menu);
    checkPages(problems, menu);
    checkTypedCodes(problems, menu);
    return problems.take();
}

}  // namespace orvane
