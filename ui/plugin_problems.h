#pragma once

#include "game/plugin_check.h"

#include <QList>
#include <QString>

class QWidget;

// One problem as a line for the user: what it does to the plugin, then where it is.
QString DescribeProblem(const orvane::PluginProblem &problem);

// Asks before generating a plugin that would not compile, hang the compiler or lose text on
// the player's screen. True when there is nothing to ask about, or the user says to generate
// anyway; false leaves the window as it is.
bool ConfirmGenerateDespiteProblems(QWidget *parent, const QList<orvane::PluginProblem> &problems);
