// Placeholder definitions until the real ones land.
#include "game/menu_pages.h"
#include "game/plugin_check.h"

namespace orvane {
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
