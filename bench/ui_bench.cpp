// From pressing Generate to the result window showing the source: generation, the one
// insertion into the text box, the syntax colours and the first paint. Run it in the build
// users get (RelWithDebInfo).
#include "app/forms.h"
#include "bench/coloured_typing.h"
#include "generator/coloured_text.h"
#include "generator/current_menu.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextLayout>

#include <functional>

namespace {

// The figure means nothing if the source on screen was not coloured.
bool ShownSourceIsColoured(const QPlainTextEdit &box) {
    const QTextBlock top = box.cursorForPosition({0, 0}).block();
    return top.isValid() && !top.layout()->formats().isEmpty();
}

// `forget` undoes, untimed, whatever the previous round left cached.
void showResult(benchmark::State &state, Forms &forms, const std::function<void()> &forget = {}) {
    TForm_Generated &result = forms.Form_Generated;
    for (auto _ : state) {
        result.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(result.PluginSource->document()->characterCount());
        state.PauseTiming();
        if (!ShownSourceIsColoured(*result.PluginSource)) {
            state.SkipWithError("the source on screen has no syntax colours");
            break;
        }
        result.hide();
        result.PluginSource->clear();
        if (forget) forget();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void NewStyleResultShown(benchmark::State &state) {
    Forms forms;
    forms.NewStyleMenuEditor.NewStyle_Title->setText(QStringLiteral("My Menu"));
    for (int k = 0; k < state.range(0); ++k)
        forms.NewStyleMenuEditor.NewStyle_Items->addItem(QStringLiteral("Item %1").arg(k));
    orvane::SetCurrentMenu(0);
    showResult(state, forms);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(NewStyleResultShown)->Arg(1'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// The worst single keystroke for the colours: opening a block comment at the top of a large
// source changes how every line after it is coloured.
void NewStyleCommentOpenedAtTheTop(benchmark::State &state) {
    Forms forms;
    forms.NewStyleMenuEditor.NewStyle_Title->setText(QStringLiteral("My Menu"));
    for (int k = 0; k < state.range(0); ++k)
        forms.NewStyleMenuEditor.NewStyle_Items->addItem(QStringLiteral("Item %1").arg(k));
    orvane::SetCurrentMenu(0);
    TForm_Generated &result = forms.Form_Generated;
    result.show();
    QPlainTextEdit &box = *result.PluginSource;
    box.moveCursor(QTextCursor::Start);
    QApplication::processEvents();
    for (auto _ : state) {
        QTextCursor(box.document()).insertText(QStringLiteral("/*"));
        box.viewport()->repaint();
        state.PauseTiming();
        QTextCursor undo(box.document());
        undo.setPosition(2, QTextCursor::KeepAnchor);
        undo.removeSelectedText();
        box.viewport()->repaint();
        state.ResumeTiming();
    }
    result.hide();
}
BENCHMARK(NewStyleCommentOpenedAtTheTop)->Arg(100'000)->Unit(benchmark::kMillisecond);

void OldStyleResultShown(benchmark::State &state) {
    Forms forms;
    QTextEdit &box = *forms.frm_OldStyleMenu.OldStyle_MenuEdit;
    typeColouredText(box, state.range(0));
    forms.frm_OldStyleOptions.OldStyle_HandledKeys->setText(QStringLiteral("120"));
    orvane::SetCurrentMenu(1);
    // Every round lays the text out afresh, as the first reading after typing does.
    showResult(state, forms,
               [&box] { box.document()->markContentsDirty(0, box.document()->characterCount()); });
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(OldStyleResultShown)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
