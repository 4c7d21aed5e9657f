#include "ui/plugin_problems.h"

#include "ui/message_boxes.h"

#include <QMessageBox>

namespace {

QString severityText(orvane::ProblemSeverity severity) {
    using orvane::ProblemSeverity;
    switch (severity) {
        case ProblemSeverity::WillNotCompile:
            return QStringLiteral("Will not compile");
        case ProblemSeverity::HangsCompiler:
            return QStringLiteral("Hangs the compiler");
        case ProblemSeverity::CompilesOn19Only:
            return QStringLiteral("Compiles on AMX Mod X 1.9+ only");
        case ProblemSeverity::GameCutsText:
            return QStringLiteral("The game cuts text");
        case ProblemSeverity::ActsAsCode:
            return QStringLiteral("Read as a code");
        case ProblemSeverity::MenuNameEmpty:
            return QStringLiteral("Menu name empty");
    }
    return {};
}

}  // namespace

QString DescribeProblem(const orvane::PluginProblem &problem) {
    return severityText(problem.severity) + QStringLiteral(": ") + problem.message;
}

bool ConfirmGenerateDespiteProblems(QWidget *parent, const QList<orvane::PluginProblem> &problems) {
    QStringList lines;
    for (const orvane::PluginProblem &problem : problems)
        if (orvane::BreaksPlugin(problem.severity))
            lines.append(QStringLiteral("• ") + DescribeProblem(problem));
    if (lines.isEmpty()) return true;

    QMessageBox box(QMessageBox::Warning, kApplicationTitle,
                    QStringLiteral("This menu will break the plugin or what players see:\n\n%1\n\n"
                                   "Generate it anyway?")
                        .arg(lines.join(u'\n')),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(QStringLiteral("GenerateAnywayQuestion"));
    // Enter or Escape must not throw the user's work into a broken plugin.
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}
