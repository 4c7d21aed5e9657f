#include "ui/menu_preview.h"

#include "ui/form.h"
#include "ui/menu_screen_view.h"
#include "ui/plugin_problems.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kGapToEditor = 8;
constexpr QSize kPreferredSize(460, 470);
constexpr int kNarrowestWidth = 300;

QLabel *addLabel(QWidget *window, QVBoxLayout *layout, const char *name) {
    auto *label = new QLabel(window);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    layout->addWidget(label);
    return label;
}

QString cutReasonText(const orvane::ScreenText &screen) {
    bool overRun = false, overMenu = false;
    for (const orvane::ScreenLine &line : screen.lines)
        for (const orvane::ScreenRun &run : line.runs) {
            overRun |= run.cut == orvane::ScreenCut::RunOver79Bytes;
            overMenu |= run.cut == orvane::ScreenCut::MenuOver511Bytes;
        }
    QStringList reasons;
    if (overMenu)
        reasons.append(
            QStringLiteral("Struck-through text is never shown: the game keeps only "
                           "511 bytes of a menu."));
    if (overRun)
        reasons.append(
            QStringLiteral("Struck-through text is never shown: the game draws at most "
                           "79 bytes of text between two colour codes or line breaks."));
    return reasons.join(u'\n');
}

// Where the preview goes: beside the editor on the right, or on the left where the right has
// no room, narrowed to the wider side on a small screen; over the editor only when neither side
// leaves room for a readable menu. Never off the editor's screen.
QRect placeBeside(const QWidget &editor, QSize size) {
    const QRect frame = editor.frameGeometry();
    const QScreen *screen = editor.screen() ? editor.screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(frame.topLeft(), size);
    const int rightRoom = available.right() - frame.right() - kGapToEditor;
    const int leftRoom = frame.left() - kGapToEditor - available.left();
    const bool right =
        rightRoom >= size.width() || (leftRoom < size.width() && rightRoom >= leftRoom);
    const int room = right ? rightRoom : leftRoom;
    if (room >= kNarrowestWidth) size.setWidth(std::min(size.width(), room));
    int x = right ? frame.right() + 1 + kGapToEditor : frame.left() - kGapToEditor - size.width();
    x = std::clamp(x, available.left(),
                   std::max(available.left(), available.right() + 1 - size.width()));
    size.setHeight(std::min(size.height(), available.height()));
    const int y = std::clamp(frame.top(), available.top(),
                             std::max(available.top(), available.bottom() + 1 - size.height()));
    return {QPoint(x, y), size};
}

}  // namespace

TMenuPreview::TMenuPreview() : QWidget(nullptr, Qt::Tool) {
    setObjectName(QStringLiteral("MenuPreview"));
    setWindowTitle(QStringLiteral("Предпросмотр"));
    setFont(programFont());
    setAttribute(Qt::WA_QuitOnClose, false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);

    MenuPreview_Screen = new MenuScreenView;
    screenArea_ = new QScrollArea(this);
    screenArea_->setObjectName(QStringLiteral("MenuPreview_ScreenArea"));
    screenArea_->setWidget(MenuPreview_Screen);
    screenArea_->setWidgetResizable(true);
    // The number keys are the menu's: nothing in here may take them.
    screenArea_->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(screenArea_, 1);

    MenuPreview_CutReason = addLabel(this, layout, "MenuPreview_CutReason");
    MenuPreview_KeyResult = addLabel(this, layout, "MenuPreview_KeyResult");
    MenuPreview_Status = addLabel(this, layout, "MenuPreview_Status");
    MenuPreview_Problems = addLabel(this, layout, "MenuPreview_Problems");
    MenuPreview_KeyResult->setText(
        QStringLiteral("Keys 1–9 and 0 act as in the game. Esc closes this window."));

    setFocusPolicy(Qt::StrongFocus);
    resize(kPreferredSize);
}

void TMenuPreview::openBeside(QWidget *editor) {
    if (parentWidget() != editor) {
        hide();
        if (parentWidget()) parentWidget()->removeEventFilter(this);
        editor->installEventFilter(this);
        // A window of its own, but the editor's: a window shown by a modal one takes input
        // only when it belongs to it.
        setParent(editor, windowFlags());
        setGeometry(placeBeside(*editor, kPreferredSize));
    }
    show();
    raise();
    activateWindow();
}

bool TMenuPreview::eventFilter(QObject *watched, QEvent *event) {
    // Only when the program hides it: minimising is the window system's, and takes owned windows
    // along.
    if (watched == parentWidget() && event->type() == QEvent::Hide && !event->spontaneous()) hide();
    return QWidget::eventFilter(watched, event);
}

bool TMenuPreview::isOpenFor(const QWidget *editor) const {
    return isVisible() && parentWidget() == editor;
}

void TMenuPreview::setMenu(const orvane::NewStyleMenu &menu) {
    menu_ = menu;
    pages_ = orvane::NewStyleMenuPages(menu);
    showPage();
    showProblems(orvane::CheckPlugin(menu));
}

void TMenuPreview::setMenu(const orvane::OldStyleMenu &menu) {
    menu_ = menu;
    pages_ = {orvane::OldStyleMenuText(menu)};
    showPage();
    showProblems(orvane::CheckPlugin(menu));
}

void TMenuPreview::showPage() {
    if (pages_.isEmpty()) pages_.append(QByteArray());
    page_ = std::clamp(page_, 0, int(pages_.size()) - 1);
    const orvane::ScreenText screen = orvane::ClientScreen(pages_[page_]);
    MenuPreview_Screen->setScreen(screen);

    const QString reason = cutReasonText(screen);
    MenuPreview_CutReason->setText(reason);
    MenuPreview_CutReason->setVisible(!reason.isEmpty());

    MenuPreview_Status->setText(QStringLiteral("Page %1/%2 · %3 of %4 bytes")
                                    .arg(page_ + 1)
                                    .arg(pages_.size())
                                    .arg(screen.bytes)
                                    .arg(orvane::kClientMenuBytes));
}

void TMenuPreview::showProblems(const QList<orvane::PluginProblem> &problems) {
    if (problems.isEmpty()) {
        MenuPreview_Problems->setText(QStringLiteral("No problems found."));
        return;
    }
    QStringList lines;
    for (const orvane::PluginProblem &problem : problems)
        lines.append(QStringLiteral("• ") + DescribeProblem(problem));
    MenuPreview_Problems->setText(lines.join(u'\n'));
}

orvane::KeyEffect TMenuPreview::keyEffect(int key) const {
    if (const auto *menu = std::get_if<orvane::NewStyleMenu>(&menu_))
        return orvane::NewStyleKeyEffect(*menu, page_, key);
    return orvane::OldStyleKeyEffect(std::get<orvane::OldStyleMenu>(menu_), key);
}

void TMenuPreview::pressMenuKey(int key) {
    const orvane::KeyEffect effect = keyEffect(key);
    switch (effect.kind) {
        case orvane::KeyEffect::Nothing:
            // As in the game: a key the menu does not take changes nothing.
            return;
        case orvane::KeyEffect::Back:
            --page_;
            MenuPreview_KeyResult->clear();
            showPage();
            return;
        case orvane::KeyEffect::Next:
            ++page_;
            MenuPreview_KeyResult->clear();
            showPage();
            return;
        case orvane::KeyEffect::Exit:
            MenuPreview_KeyResult->setText(QStringLiteral("→ exit: the menu closes"));
            return;
        case orvane::KeyEffect::Case:
            MenuPreview_KeyResult->setText(QStringLiteral("→ case %1").arg(effect.caseLabel));
            return;
    }
}

void TMenuPreview::keyPressEvent(QKeyEvent *event) {
    const int key = event->key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9 && !(event->modifiers() & ~Qt::KeypadModifier)) {
        pressMenuKey(key - Qt::Key_0);
        event->accept();
        return;
    }
    if (key == Qt::Key_Escape) {
        close();
        if (QWidget *editor = parentWidget()) editor->activateWindow();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}
