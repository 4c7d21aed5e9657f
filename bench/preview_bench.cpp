// From one keystroke in an editor to the open preview repainted with the change: the editor's
// own handling, the game model (pages, screen, plugin check), the byte counter and the paint.
#include "app/forms.h"
#include "bench/coloured_typing.h"
#include "generator/coloured_text.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>

namespace {

// Alternates a letter and Backspace, so that every round is one keystroke on the same text.
void typeAndRepaint(benchmark::State &state, QWidget *box, TMenuPreview &preview) {
    bool type = true;
    for (auto _ : state) {
        QTest::keyClick(box, type ? Qt::Key_A : Qt::Key_Backspace);
        preview.repaint();
        type = !type;
    }
}

void NewStylePreviewKeystroke(benchmark::State &state) {
    Forms forms;
    TNewStyleMenuEditor &editor = forms.NewStyleMenuEditor;
    editor.NewStyle_Title->setText(QStringLiteral("Главное меню"));
    for (int k = 1; k <= state.range(0); ++k)
        editor.NewStyle_Items->addItem(QStringLiteral("Пункт меню номер %1").arg(k));
    editor.show();
    editor.NewStyle_PreviewBtn->click();
    QApplication::processEvents();
    editor.NewStyle_Title->setFocus();
    typeAndRepaint(state, editor.NewStyle_Title, forms.MenuPreview);
}
BENCHMARK(NewStylePreviewKeystroke)->Arg(100)->Unit(benchmark::kMillisecond);

void OldStylePreviewKeystroke(benchmark::State &state) {
    Forms forms;
    Tfrm_OldStyleMenu &window = forms.frm_OldStyleMenu;
    QTextEdit &box = *window.OldStyle_MenuEdit;
    typeColouredText(box, state.range(0));
    window.show();
    window.OldStyle_PreviewBtn->click();
    QApplication::processEvents();
    box.setFocus();
    box.moveCursor(QTextCursor::End);
    typeAndRepaint(state, &box, forms.MenuPreview);
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(OldStylePreviewKeystroke)->Arg(10 * 1024)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
