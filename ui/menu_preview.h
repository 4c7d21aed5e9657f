#pragma once

#include "game/client_screen.h"
#include "game/menu_pages.h"
#include "game/plugin_check.h"
#include "generator/menu_inputs.h"

#include <QList>
#include <QWidget>

#include <variant>

class QLabel;
class QScrollArea;
class MenuScreenView;

// The menu as the player will see it, beside the editor that makes it. One window serves both
// editors; the editor pushes its menu on every change, and the number keys act as in the game.
class TMenuPreview : public QWidget {
    Q_OBJECT
  public:
    TMenuPreview();

    // Shows the window beside `editor`, or raises it when it is already there. It becomes a
    // window of the editor, so that it takes keys while the editor runs modally.
    void openBeside(QWidget *editor);
    bool isOpenFor(const QWidget *editor) const;

    // The menu to show; the page shown stays where it was when it still exists.
    void setMenu(const orvane::NewStyleMenu &menu);
    void setMenu(const orvane::OldStyleMenu &menu);

    // A menu key as the player presses it: 1 to 9, or 0.
    void pressMenuKey(int key);

    int currentPage() const { return page_; }  // from 0
    int pageCount() const { return int(pages_.size()); }

    MenuScreenView *MenuPreview_Screen;
    QLabel *MenuPreview_CutReason;
    QLabel *MenuPreview_KeyResult;
    QLabel *MenuPreview_Status;
    QLabel *MenuPreview_Problems;

  protected:
    void keyPressEvent(QKeyEvent *event) override;
    // Leaves with its editor: a window of a hidden window would stay on screen.
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void showPage();
    void showProblems(const QList<orvane::PluginProblem> &problems);
    orvane::KeyEffect keyEffect(int key) const;

    std::variant<orvane::NewStyleMenu, orvane::OldStyleMenu> menu_;
    QList<QByteArray> pages_;
    int page_ = 0;
    QScrollArea *screenArea_;
};
