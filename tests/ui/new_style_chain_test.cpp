#include "app/forms.h"
#include "generator/current_menu.h"
#include "tests/ui/modal_script.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

TEST(NewStyleChain, ContinueGenerateCloseEndsTheProgram) {
    Forms forms;
    forms.ChooseStyleMenu.show();
    QSignalSpy startClosed(&forms.ChooseStyleMenu, &QDialog::finished);
    QString source;

    ModalScript script;
    script
        .when(&forms.NewStyleMenuEditor,
              [&] {
                  EXPECT_FALSE(forms.ChooseStyleMenu.isVisible());
                  QTest::keyClicks(forms.NewStyleMenuEditor.NewStyle_Title, "My Menu");
                  forms.NewStyleMenuEditor.NewStyle_Items->addItem("Kick");
                  QTest::mouseClick(forms.NewStyleMenuEditor.NewStyle_GenerateBtn, Qt::LeftButton);
              })
        .when(&forms.Form_Generated, [&] {
            EXPECT_FALSE(forms.NewStyleMenuEditor.isVisible());
            source = forms.Form_Generated.SourceLines();
            QTest::mouseClick(forms.Form_Generated.Generated_CloseBtn, Qt::LeftButton);
        });
    script.start();
    QTest::mouseClick(forms.ChooseStyleMenu.Button1, Qt::LeftButton);

    EXPECT_TRUE(script.done()) << script.failure().toStdString();
    EXPECT_EQ(startClosed.count(), 1);
    EXPECT_EQ(orvane::CurrentMenu(), 0);
    EXPECT_TRUE(source.startsWith("#include <amxmodx>\r\n"));
    EXPECT_EQ(source.count("\r\n"), 33);
}
