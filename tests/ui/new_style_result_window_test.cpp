// The result window of the new-style path: Copy and Save as.
#include "app/forms.h"
#include "generator/current_menu.h"
#include "tests/ui/modal_script.h"
#include "tests/ui/new_style_helpers.h"
#include "ui/message_boxes.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

using namespace new_style_test;

namespace {

const QChar kNoBreakSpace(0xA0);

// The source for title "My Menu", command mymenu, ADMIN_ALL and the items Kick, Ban, Exit,
// as UTF-8 with CR LF line ends.
const char kKickBanExitSource[] =
    "#include <amxmodx>\r\n"
    "#include <amxmisc>\r\n"
    "\r\n"
    "#define PLUGIN \"New Plug-In\"\r\n"
    "#define VERSION \"1.0\"\r\n"
    "#define AUTHOR \"author\"\r\n"
    "\r\n"
    "public plugin_init() {\r\n"
    "\r\n"
    "       register_clcmd(\"mymenu\", \"cmdMenu\", ADMIN_ALL);\r\n"
    "       register_plugin(PLUGIN, VERSION, AUTHOR);\r\n"
    "}\r\n"
    "\r\n"
    "public cmdMenu(id, level, cid) {\r\n"
    "       if (!cmd_access(id, level, cid, 1)) return PLUGIN_HANDLED;\r\n"
    "       new i_Menu = menu_create(\"My Menu\", \"menu_handler\");\r\n"
    "       menu_additem(i_Menu, \"Kick\", \"1\", 0);\r\n"
    "       menu_additem(i_Menu, \"Ban\", \"2\", 0);\r\n"
    "       menu_additem(i_Menu, \"Exit\", \"3\", 0);\r\n"
    "       menu_setprop(i_Menu, MPROP_NEXTNAME, \"Далее\");\r\n"
    "       menu_setprop(i_Menu, MPROP_BACKNAME, \"Назад\");\r\n"
    "       menu_setprop(i_Menu, MPROP_EXITNAME, \"Выход\");\r\n"
    "\r\n"
    "       menu_display(id, i_Menu, 0)\r\n"
    "       return PLUGIN_HANDLED;\r\n"
    "}\r\n"
    "\r\n"
    "public menu_handler(id, menu, item) {\r\n"
    "       if( item < 0 ) {\r\n"
    "              menu_destroy(menu);\r\n"
    "              return PLUGIN_HANDLED;\r\n"
    "       }\r\n"
    "       new cmd[3], access, callback;\r\n"
    "       menu_item_getinfo(menu, item, access, cmd,2,_,_, callback);\r\n"
    "       new Choise = str_to_num(cmd)\r\n"
    "       switch (Choise) {\r\n"
    "       case 1: {\r\n"
    "       }\r\n"
    "       case 2: {\r\n"
    "       }\r\n"
    "       case 3: {\r\n"
    "       }\r\n"
    "       }\r\n"
    "       menu_destroy(menu);\r\n"
    "       return PLUGIN_HANDLED;\r\n"
    "}\r\n";

void FillKickBanExit(Forms &forms) {
    FillEditor(forms, QStringLiteral("My Menu"),
               {QStringLiteral("Kick"), QStringLiteral("Ban"), QStringLiteral("Exit")});
}

class ResultWindow : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        FillKickBanExit(forms);
        orvane::SetCurrentMenu(0);
        // Names typed without a folder land here rather than in the working folder.
        window.SaveFileDlg->setDirectory(folder.path());
    }

    // Shows the result window modally, as the editor does, and runs `script` inside it.
    void Run(ModalScript &script) {
        script.run([&] { window.exec(); });
    }

    // Adds the steps of one Save as: press the button, check what the dialog offers, let
    // `inDialog` end the dialog, and come back to the result window with no message box.
    void AddSave(ModalScript &script, const std::function<void(QFileDialog *)> &inDialog) {
        script.when(&window, [&] { QTest::mouseClick(window.Generated_SaveBtn, Qt::LeftButton); })
            .when(window.SaveFileDlg, [this, inDialog] {
                QFileDialog *dialog = window.SaveFileDlg;
                ASSERT_NE(FileNameEdit(), nullptr);
                EXPECT_EQ(FileNameEdit()->text(), "menu.sma");
                EXPECT_EQ(dialog->selectedFiles(), QStringList{FilePath("menu.sma")});
                inDialog(dialog);
            });
    }

    void AddBackInWindow(ModalScript &script, const std::function<void()> &check = {}) {
        script.when(&window, [this, check] {
            // A message box after the save would be the active modal window now.
            EXPECT_EQ(QApplication::activeModalWidget(), &window);
            if (check) check();
            window.closeWindow();
        });
    }

    QLineEdit *FileNameEdit() const {
        return window.SaveFileDlg->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    }

    void Choose(QFileDialog *dialog, const QString &path) {
        FileNameEdit()->setText(path);
        static_cast<QDialog *>(dialog)->accept();
    }

    QString FilePath(const QString &name) const { return QDir(folder.path()).filePath(name); }

    QStringList FolderEntries() const {
        return QDir(folder.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    QTemporaryDir folder;
    Forms forms;
    TForm_Generated &window = forms.Form_Generated;
};

QString ExpectedSource() {
    return QString::fromUtf8(kKickBanExitSource);
}

}  // namespace

TEST_F(ResultWindow, SavesTheSourceAsUtf8WithCrLfAfterEveryLine) {
    ModalScript script;
    AddSave(script, [&](QFileDialog *dialog) { static_cast<QDialog *>(dialog)->accept(); });
    AddBackInWindow(script);
    Run(script);

    EXPECT_EQ(FileBytes(FilePath("menu.sma")), QByteArray(kKickBanExitSource));
    EXPECT_EQ(FolderEntries(), QStringList{"menu.sma"});
}

TEST_F(ResultWindow, CancellingTheDialogCreatesNothing) {
    const bool inWorkingFolder = QFileInfo::exists(QDir::current().filePath("menu.sma"));
    ModalScript script;
    AddSave(script, [&](QFileDialog *dialog) { static_cast<QDialog *>(dialog)->reject(); });
    AddBackInWindow(script, [&] { EXPECT_EQ(window.SourceLines(), ExpectedSource()); });
    Run(script);

    EXPECT_TRUE(FolderEntries().isEmpty()) << FolderEntries().join(", ").toStdString();
    EXPECT_EQ(QFileInfo::exists(QDir::current().filePath("menu.sma")), inWorkingFolder);
}

TEST_F(ResultWindow, OffersMenuSmaEveryTime) {
    ModalScript script;
    AddSave(script, [&](QFileDialog *dialog) { Choose(dialog, FilePath("first.sma")); });
    AddSave(script, [&](QFileDialog *dialog) { static_cast<QDialog *>(dialog)->reject(); });
    AddBackInWindow(script);
    Run(script);

    EXPECT_EQ(FolderEntries(), QStringList{"first.sma"});
}

TEST_F(ResultWindow, SavesANameWithoutExtensionAsTyped) {
    ModalScript script;
    AddSave(script, [&](QFileDialog *) {
        QLineEdit *name = FileNameEdit();
        name->selectAll();
        QTest::keyClicks(name, "plugin");
        QTest::keyClick(name, Qt::Key_Return);
    });
    AddBackInWindow(script);
    Run(script);

    EXPECT_EQ(FolderEntries(), QStringList{"plugin"});
    EXPECT_EQ(FileBytes(FilePath("plugin")), QByteArray(kKickBanExitSource));
}

// Typing, no-break spaces included, changes what is saved.
TEST_F(ResultWindow, SavesTheTextAsEdited) {
    ModalScript script;
    script.when(&window, [&] {
        QPlainTextEdit *source = window.PluginSource;
        // The window opens with the caret after the last line.
        EXPECT_EQ(source->textCursor().position(), source->document()->characterCount() - 1);
        QTest::keyClick(source, Qt::Key_X);
        QTest::sendKeyEvent(QTest::Click, source, Qt::Key_nobreakspace, QString(kNoBreakSpace),
                            Qt::NoModifier);
        QTest::keyClick(source, Qt::Key_Y);
        QTest::keyClick(source, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClicks(source, "// edited");
        QTest::keyClick(source, Qt::Key_Return);
    });
    AddSave(script, [&](QFileDialog *dialog) { static_cast<QDialog *>(dialog)->accept(); });
    AddBackInWindow(script);
    Run(script);

    EXPECT_EQ(FileBytes(FilePath("menu.sma")),
              "// edited\r\n" + QByteArray(kKickBanExitSource) + "x\xC2\xA0y\r\n");
}

TEST_F(ResultWindow, AFileThatCannotBeCreatedIsReportedAndTheWindowStays) {
    const QString path = FilePath("missing/menu.sma");
    SeenMessageBox seen;
    ModalScript script;
    AddSave(script, [&](QFileDialog *dialog) { Choose(dialog, path); });
    script.whenMessageBox([&](QMessageBox *box) { seen = ReadAndConfirm(box); });
    AddBackInWindow(script, [&] {
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(window.SourceLines(), ExpectedSource());
    });
    Run(script);

    EXPECT_EQ(seen.caption, kApplicationTitle);
    EXPECT_EQ(seen.text, "Cannot create file " + QDir::toNativeSeparators(path) + ".");
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(seen.buttonCount, 1);
    EXPECT_TRUE(FolderEntries().isEmpty()) << FolderEntries().join(", ").toStdString();
}

TEST_F(ResultWindow, CopyPutsTheTextWithCrLfOnTheClipboardAndSelectsAll) {
    QGuiApplication::clipboard()->setText("before");
    ModalScript script;
    script.when(&window, [&] {
        QPlainTextEdit *source = window.PluginSource;
        QTest::keyClick(source, Qt::Key_X);
        QTest::sendKeyEvent(QTest::Click, source, Qt::Key_nobreakspace, QString(kNoBreakSpace),
                            Qt::NoModifier);
        QTest::keyClick(source, Qt::Key_Y);

        QTest::mouseClick(window.Generated_CopyBtn, Qt::LeftButton);

        EXPECT_EQ(QGuiApplication::clipboard()->text(),
                  ExpectedSource() + u'x' + kNoBreakSpace + "y\r\n");
        const QTextCursor cursor = source->textCursor();
        EXPECT_EQ(cursor.selectionStart(), 0);
        EXPECT_EQ(cursor.selectionEnd(), source->document()->characterCount() - 1);
        window.closeWindow();
    });
    Run(script);
}
