#pragma once

#include "game/client_screen.h"
#include "game/plugin_check.h"
#include "game/source_lines.h"

#include <QString>
#include <QStringView>

namespace orvane {

// The problems of one plugin as they are found, handed out most serious first.
class ProblemList {
  public:
    // "Field: text", one line.
    void add(ProblemSeverity severity, const QString &field, const QString &text);
    bool has(ProblemSeverity severity, const QString &field) const;
    QList<PluginProblem> take();

    // What the compiler rejects in a string literal's text.
    void checkLiteral(const QString &field, QStringView text);

    // A source line that a compiler cannot read; `field` is the input that makes it long.
    void checkLineLength(const QString &field, const SourceLine &line);

    // The first run of text on `screen` that the game cuts at 79 bytes.
    void checkRuns(const QString &field, const ScreenText &screen);

  private:
    struct Entry {
        PluginProblem problem;
        QString field;
    };
    QList<Entry> entries_;
};

// The longest source line each compiler reads.
inline constexpr qsizetype kLongestLine = 4093;    // AMX Mod X 1.9 and 1.10
inline constexpr qsizetype kLongestLine182 = 508;  // AMX Mod X 1.8.2

// The ending of every message about a plugin that AMX Mod X's compiler rejects or hangs on.
inline const QString kWillNotCompile = QStringLiteral(", so the plugin will not compile");

}  // namespace orvane
