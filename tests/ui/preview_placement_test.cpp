// The controls added for the preview sit in free space: they cover no other control, and the
// button's caption fits at the program's font.
#include "app/forms.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

namespace {

struct Added {
    const char *name;
    QWidget *(*control)(Forms &);
};

const Added kAdded[] = {
    {"NewStyle_PreviewBtn",
     [](Forms &f) -> QWidget * { return f.NewStyleMenuEditor.NewStyle_PreviewBtn; }},
    {"OldStyle_PreviewBtn",
     [](Forms &f) -> QWidget * { return f.frm_OldStyleMenu.OldStyle_PreviewBtn; }},
    {"OldStyle_MenuBytes",
     [](Forms &f) -> QWidget * { return f.frm_OldStyleMenu.OldStyle_MenuBytes; }},
};

}  // namespace

TEST(PreviewControls, SitInFreeSpaceAndFitTheirCaption) {
    Forms forms;
    for (const Added &added : kAdded) {
        SCOPED_TRACE(added.name);
        QWidget *control = added.control(forms);
        QWidget *window = control->window();
        EXPECT_TRUE(window->rect().contains(control->geometry()));
        for (QWidget *other : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (other == control || other->isWindow()) continue;
            EXPECT_FALSE(control->geometry().intersects(other->geometry()))
                << "covers " << other->objectName().toStdString();
        }
        // The widest the text gets: a 10 KB menu.
        if (auto *label = qobject_cast<QLabel *>(control)) label->setText("10240 of 511 bytes");
        EXPECT_LE(control->sizeHint().width(), control->width());
        EXPECT_LE(control->sizeHint().height(), control->height());
    }
}
