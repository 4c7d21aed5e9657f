#pragma once

#include "game/client_screen.h"

#include <QStaticText>
#include <QWidget>

#include <vector>

// Draws a menu as the player's screen shows it: the game's colours on a dark translucent
// backdrop at the left of the screen, \R parts right-aligned at the middle, and the parts the
// game cuts dimmed and struck through where they would have stood.
//
// The text is laid out once when it changes, so that repainting only copies prepared runs.
class MenuScreenView : public QWidget {
    Q_OBJECT
  public:
    explicit MenuScreenView(QWidget *parent = nullptr);

    void setScreen(const orvane::ScreenText &screen);
    const orvane::ScreenText &screen() const { return screen_; }

    // A font like the game's menu font: a plain sans-serif, a little larger than the windows'.
    static QFont gameFont();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    struct Piece {
        QStaticText text;
        QColor colour;
        int line = 0;
        qreal x = 0;  // from the line's left edge, or from the start of its right-aligned part
        bool rightAligned = false;
        bool cut = false;
    };

    qreal rightPartStart(int line) const;

    orvane::ScreenText screen_;
    std::vector<Piece> pieces_;
    std::vector<qreal> leftWidths_;   // per line: the left-aligned part
    std::vector<qreal> rightWidths_;  // per line: the right-aligned part
    QFont font_;
    QFont cutFont_;
    int lineHeight_ = 0;
    int omittedLines_ = 0;  // lines far past the 511-byte cut, counted but not drawn
    QSize contentSize_;
};
