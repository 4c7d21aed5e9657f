#pragma once

// Every way text can land in a one-line box without being typed key by key: the two paste
// keys, the context menu, drag and drop, and an input method's commit.

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>

namespace paste_paths {

enum class Path { CtrlV, ShiftInsert, ContextMenu, DragAndDrop, InputMethod };

inline const char *Name(Path path) {
    switch (path) {
        case Path::CtrlV:
            return "CtrlV";
        case Path::ShiftInsert:
            return "ShiftInsert";
        case Path::ContextMenu:
            return "ContextMenu";
        case Path::DragAndDrop:
            return "DragAndDrop";
        case Path::InputMethod:
            return "InputMethod";
    }
    return "";
}

constexpr Path kAll[] = {Path::CtrlV, Path::ShiftInsert, Path::ContextMenu, Path::DragAndDrop,
                         Path::InputMethod};

// Opens the box's own context menu, as a right click does, and chooses Paste in it.
inline bool PasteThroughContextMenu(QLineEdit *box) {
    const QPoint inside(4, box->height() / 2);
    QContextMenuEvent open(QContextMenuEvent::Mouse, inside, box->mapToGlobal(inside));
    QApplication::sendEvent(box, &open);
    bool pasted = false;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        auto *menu = qobject_cast<QMenu *>(window);
        if (!menu || !menu->isVisible()) continue;
        for (QAction *action : menu->actions()) {
            if (!pasted && action->text().startsWith(QStringLiteral("&Paste"))) {
                action->trigger();
                pasted = true;
            }
        }
        menu->close();
    }
    return pasted;
}

// Drops `text` onto the box where its text starts, as dragging it from another program does.
inline void Drop(QLineEdit *box, const QString &text) {
    QMimeData data;
    data.setText(text);
    const QPoint at(2, box->height() / 2);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &move);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &drop);
}

// Puts `text` into the box at its caret by `path`; the box must be focused and shown. Returns
// false when the path could not be taken (no Paste in the context menu).
inline bool Paste(QLineEdit *box, Path path, const QString &text) {
    QGuiApplication::clipboard()->setText(text);
    switch (path) {
        case Path::CtrlV:
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            return true;
        case Path::ShiftInsert:
            QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
            return true;
        case Path::ContextMenu:
            return PasteThroughContextMenu(box);
        case Path::DragAndDrop:
            Drop(box, text);
            return true;
        case Path::InputMethod: {
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QApplication::sendEvent(box, &commit);
            return true;
        }
    }
    return false;
}

}  // namespace paste_paths
