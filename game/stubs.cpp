// Placeholder definitions until the real ones land.
#include "game/plugin_check.h"

namespace orvane {
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
