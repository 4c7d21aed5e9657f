#include "game/problem_list.h"

#include "game/pawn_string.h"

#include <algorithm>

namespace orvane {

namespace {

// Enough of a cut text to recognise it in a one-line message.
QString quoted(const QString &text) {
    constexpr qsizetype kShown = 24;
    if (text.size() <= kShown) return u'"' + text + u'"';
    return u'"' + text.left(kShown) + QStringLiteral("…\"");
}

}  // namespace

void ProblemList::add(ProblemSeverity severity, const QString &field, const QString &text) {
    entries_.append(Entry{PluginProblem{severity, field + QStringLiteral(": ") + text}, field});
}

bool ProblemList::has(ProblemSeverity severity, const QString &field) const {
    return std::any_of(entries_.begin(), entries_.end(), [&](const Entry &entry) {
        return entry.problem.severity == severity && entry.field == field;
    });
}

QList<PluginProblem> ProblemList::take() {
    // A field that no compiler takes is not one that 1.9 and later take.
    QStringList uncompiled;
    for (const Entry &entry : entries_)
        if (entry.problem.severity <= ProblemSeverity::HangsCompiler)
            uncompiled.append(entry.field);
    entries_.removeIf([&uncompiled](const Entry &entry) {
        return entry.problem.severity == ProblemSeverity::CompilesOn19Only &&
               uncompiled.contains(entry.field);
    });
    std::stable_sort(entries_.begin(), entries_.end(), [](const Entry &a, const Entry &b) {
        return a.problem.severity < b.problem.severity;
    });
    QList<PluginProblem> problems;
    problems.reserve(entries_.size());
    for (Entry &entry : entries_) problems.append(std::move(entry.problem));
    entries_.clear();
    return problems;
}

void ProblemList::checkLiteral(const QString &field, QStringView text) {
    if (const auto problem = PawnStringBytes(text).problem)
        add(ProblemSeverity::WillNotCompile, field, problem->what + kWillNotCompile);
}

void ProblemList::checkLineLength(const QString &field, const SourceLine &line) {
    if (line.bytes > kLongestLine) {
        add(ProblemSeverity::WillNotCompile, field,
            QStringLiteral("its source line is %1 bytes, over the %2 the compiler reads")
                    .arg(line.bytes)
                    .arg(kLongestLine) +
                kWillNotCompile);
    } else if (line.bytes > kLongestLine182) {
        add(ProblemSeverity::CompilesOn19Only, field,
            QStringLiteral("its source line is %1 bytes, over the %2 that AMX Mod X 1.8.2 reads "
                           "(1.9 and later read %3)")
                .arg(line.bytes)
                .arg(kLongestLine182)
                .arg(kLongestLine));
    }
}

void ProblemList::checkRuns(const QString &field, const ScreenText &screen) {
    for (const ScreenLine &line : screen.lines) {
        for (const ScreenRun &run : line.runs) {
            if (run.cut != ScreenCut::RunOver79Bytes) continue;
            add(ProblemSeverity::GameCutsText, field,
                QStringLiteral("the game draws 79 bytes of a run of text and cuts %1")
                    .arg(quoted(run.text)));
            return;
        }
    }
}

bool BreaksPlugin(ProblemSeverity severity) {
    return severity <= ProblemSeverity::GameCutsText;
}

}  // namespace orvane
