// Placeholder definitions until the real ones land.
#include "game/client_screen.h"
#include "game/menu_pages.h"
#include "game/pawn_string.h"
#include "game/plugin_check.h"

namespace orvane {
PawnString PawnStringBytes(QStringView text) {
    return {text.toUtf8(), std::nullopt};
}
QList<QByteArray> NewStyleMenuPages(const NewStyleMenu &) {
    return {QByteArray()};
}
QByteArray OldStyleMenuText(const OldStyleMenu &menu) {
    return menu.menuString.toUtf8();
}
KeyEffect NewStyleKeyEffect(const NewStyleMenu &, int, int) {
    return {};
}
KeyEffect OldStyleKeyEffect(const OldStyleMenu &, int) {
    return {};
}
ScreenText ClientScreen(const QByteArray &menuText) {
    ScreenText screen;
    screen.bytes = menuText.size();
    for (const QByteArray &line : menuText.split('\n'))
        screen.lines.append({{ScreenRun{QString::fromUtf8(line)}}});
    return screen;
}
QList<PluginProblem> CheckPlugin(const NewStyleMenu &) {
    return {};
}
QList<PluginProblem> CheckPlugin(const OldStyleMenu &) {
    return {};
}
bool BreaksPlugin(ProblemSeverity severity) {
    return severity <= ProblemSeverity::GameCutsText;
}
}  // namespace orvane
