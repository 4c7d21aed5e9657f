#pragma once

#include "generator/coloured_text.h"
#include "generator/menu_inputs.h"

#include <QList>
#include <QString>

namespace orvane {

// Most serious first.
enum class ProblemSeverity {
    WillNotCompile,
    HangsCompiler,
    CompilesOn19Only,  // AMX Mod X 1.8.2's compiler rejects a line over 508 bytes or hangs
    GameCutsText,      // the game cuts or hides part of the menu
    ActsAsCode,        // typed text that the compiler or the game reads as an escape or code
    MenuNameEmpty
};

struct PluginProblem {
    ProblemSeverity severity;
    QString message;  // one line, naming the field and the item or line
};

// The problems of the plugin that would be generated from these inputs; empty for an ordinary
// menu.
QList<PluginProblem> CheckPlugin(const NewStyleMenu &menu);
QList<PluginProblem> CheckPlugin(const OldStyleMenu &menu);

// The same, with the coloured lines `menu.menuString` was encoded from: they tell the user's
// own text from the encoder's codes, so a typed \y or ^n is found and named by its line.
QList<PluginProblem> CheckPlugin(const OldStyleMenu &menu, const ColouredText &text);

// Whether a problem breaks the compile or the game's display, so that generating is worth a
// question first.
bool BreaksPlugin(ProblemSeverity severity);

}  // namespace orvane
