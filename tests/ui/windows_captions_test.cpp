// Every push button of every window shows its whole caption at its fixed size.
#include "app/forms.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <set>

namespace {

// The width the style draws the caption in, less the margin it keeps around a caption.
int CaptionRoom(const QPushButton &button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    if (button.autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
    const QStyle *style = button.style();
    return style->subElementRect(QStyle::SE_PushButtonContents, &option, &button).width() -
           style->pixelMetric(QStyle::PM_ButtonMargin, &option, &button);
}

}  // namespace

// The windows are found as the top-level widgets the window set makes, so a window or button
// added later is measured too.
TEST(Windows, EveryPushButtonCaptionFitsWithTheStylesMargin) {
    const QWidgetList before = QApplication::topLevelWidgets();
    Forms forms;
    std::set<QString> measured;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (before.contains(window)) continue;
        for (const QPushButton *button : window->findChildren<QPushButton *>()) {
            if (button->text().isEmpty()) continue;
            const QString where = window->objectName() + u'.' + button->objectName();
            SCOPED_TRACE(where.toStdString() + " \"" + button->text().toStdString() + "\"");
            measured.insert(where);
            const int captionWidth = button->fontMetrics().horizontalAdvance(button->text());
            EXPECT_LE(captionWidth, CaptionRoom(*button))
                << "button " << button->width() << " px wide, font stretch "
                << button->font().stretch();
            // The caption keeps the program's letter height.
            EXPECT_EQ(button->font().pixelSize(), 11);
        }
    }
    // The buttons known to be tight are among those measured.
    for (const char *known :
         {"NewStyleMenuEditor.NewStyle_GenerateBtn", "frm_OldStyleOptions.OldStyle_GenerateBtn",
          "Form_Generated.Generated_SaveBtn", "ChooseStyleMenu.Button1"})
        EXPECT_TRUE(measured.count(QString::fromLatin1(known))) << known;
}
