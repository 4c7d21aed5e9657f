// The keyboard in every window: a window that opens takes the keyboard, Enter presses the
// focused push button and nothing else, and Tab leaves the result box instead of typing a tab.
#include "app/forms.h"
#include "generator/current_menu.h"
#include "tests/ui/new_style_helpers.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <tuple>
#include <vector>

using namespace new_style_test;

namespace {

const char *const kWindows[] = {"ChooseStyleMenu", "NewStyleMenuEditor", "NewStyle_AddItem",
                                "Form_Generated",  "frm_OldStyleMenu",   "frm_OldStyleOptions"};

struct EnterKey {
    const char *name;
    Key key;
};

const EnterKey kEnterKeys[] = {{"Return", {Qt::Key_Return, "\r"}},
                               {"KeypadEnter", {Qt::Key_Enter, "\r", Qt::KeypadModifier}}};

TForm *WindowNamed(Forms &forms, const char *name) {
    for (TForm *window : std::initializer_list<TForm *>{
             &forms.ChooseStyleMenu, &forms.NewStyleMenuEditor, &forms.NewStyle_AddItem,
             &forms.Form_Generated, &forms.frm_OldStyleMenu, &forms.frm_OldStyleOptions})
        if (window->objectName() == QLatin1String(name)) return window;
    return nullptr;
}

// The window's own push buttons, with what they would do cut off, each watched for clicks.
struct WatchedButtons {
    explicit WatchedButtons(TForm &window) {
        buttons = window.findChildren<QPushButton *>(Qt::FindDirectChildrenOnly);
        for (QPushButton *button : buttons) {
            QObject::disconnect(button, &QPushButton::clicked, nullptr, nullptr);
            button->setEnabled(true);
            clicks.push_back(std::make_unique<QSignalSpy>(button, &QPushButton::clicked));
        }
    }
    int total() const {
        int sum = 0;
        for (const auto &spy : clicks) sum += int(spy->count());
        return sum;
    }
    QList<QPushButton *> buttons;
    std::vector<std::unique_ptr<QSignalSpy>> clicks;
};

// Shows the window as its path would, with something to generate for the result window.
void Show(Forms &forms, TForm &window) {
    FillEditor(forms, QStringLiteral("My Menu"), {QStringLiteral("Kick")});
    orvane::SetCurrentMenu(0);
    window.show();
    QApplication::processEvents();
}

using WindowKey = std::tuple<const char *, EnterKey>;

class EnterInEveryWindow : public testing::TestWithParam<WindowKey> {};

std::string WindowKeyName(const testing::TestParamInfo<WindowKey> &info) {
    return std::string(std::get<0>(info.param)) + "_" + std::get<1>(info.param).name;
}

}  // namespace

TEST_P(EnterInEveryWindow, PressesTheFocusedPushButtonOnly) {
    const auto &[name, enter] = GetParam();
    Forms forms;
    TForm *window = WindowNamed(forms, name);
    ASSERT_NE(window, nullptr);
    WatchedButtons watched(*window);
    ASSERT_FALSE(watched.buttons.isEmpty());
    Show(forms, *window);

    for (qsizetype k = 0; k < watched.buttons.size(); ++k) {
        QPushButton *button = watched.buttons[k];
        SCOPED_TRACE(button->objectName().toStdString());
        button->setFocus();
        ASSERT_TRUE(button->hasFocus());
        const int before = watched.total();

        Press(button, enter.key);

        EXPECT_EQ(watched.clicks[size_t(k)]->count(), 1);
        EXPECT_EQ(watched.total(), before + 1);
    }
    window->hide();
}

// There is still no default button: Enter in a one-line box presses nothing.
TEST_P(EnterInEveryWindow, InAOneLineBoxPressesNothing) {
    const auto &[name, enter] = GetParam();
    Forms forms;
    TForm *window = WindowNamed(forms, name);
    ASSERT_NE(window, nullptr);
    WatchedButtons watched(*window);
    Show(forms, *window);

    for (QLineEdit *box : window->findChildren<QLineEdit *>(Qt::FindDirectChildrenOnly)) {
        SCOPED_TRACE(box->objectName().toStdString());
        box->setFocus();
        Press(box, enter.key);
    }
    EXPECT_EQ(watched.total(), 0);
    for (QPushButton *button : watched.buttons) EXPECT_FALSE(button->isDefault());
    window->hide();
}

INSTANTIATE_TEST_SUITE_P(WindowsAndKeys, EnterInEveryWindow,
                         testing::Combine(testing::ValuesIn(kWindows),
                                          testing::ValuesIn(kEnterKeys)),
                         WindowKeyName);

class OpeningWindow : public testing::TestWithParam<const char *> {};

// Without that, keys would go on to the window below until the user clicks the new one. The
// offscreen platform activates every window it shows, so the fault shows only on a real X
// server (QT_QPA_PLATFORM=xcb), as in the keyboard-only road tests.
TEST_P(OpeningWindow, TakesTheKeyboard) {
    Forms forms;
    TForm *window = WindowNamed(forms, GetParam());
    ASSERT_NE(window, nullptr);
    QWidget below;
    below.show();
    below.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&below));

    Show(forms, *window);

    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    window->hide();
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, OpeningWindow, testing::ValuesIn(kWindows),
                         [](const testing::TestParamInfo<const char *> &info) {
                             return std::string(info.param);
                         });

namespace {

class ResultBoxTab : public testing::Test {
  protected:
    void SetUp() override {
        Show(forms, window);
        source = window.SourceLines();
        window.PluginSource->setFocus();
    }
    void TearDown() override {
        EXPECT_EQ(window.SourceLines(), source);
        EXPECT_FALSE(window.SourceLines().contains(u'\t'));
        window.hide();
    }

    // The name of the control that has the focus after each press of `key`.
    QStringList FocusAfterPresses(Qt::KeyboardModifiers modifiers, int presses) {
        QStringList visited;
        for (int k = 0; k < presses; ++k) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
            visited.append(QApplication::focusWidget()->objectName());
        }
        return visited;
    }

    Forms forms;
    TForm_Generated &window = forms.Form_Generated;
    QString source;
};

}  // namespace

TEST_F(ResultBoxTab, TabMovesOnThroughTheButtonsAndBack) {
    EXPECT_EQ(FocusAfterPresses(Qt::NoModifier, 4),
              (QStringList{"Generated_CopyBtn", "Generated_SaveBtn", "Generated_CloseBtn",
                           "PluginSource"}));
}

TEST_F(ResultBoxTab, ShiftTabMovesBack) {
    EXPECT_EQ(FocusAfterPresses(Qt::ShiftModifier, 4),
              (QStringList{"Generated_CloseBtn", "Generated_SaveBtn", "Generated_CopyBtn",
                           "PluginSource"}));
}

TEST_F(ResultBoxTab, BacktabMovesBack) {
    QTest::keyClick(window.PluginSource, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), window.Generated_CloseBtn);
}

// The box still takes every other key: typing edits the source, which is what gets saved.
TEST_F(ResultBoxTab, OtherKeysStillEdit) {
    QTest::keyClicks(window.PluginSource, "x");
    EXPECT_EQ(window.SourceLines(), source + "x\r\n");
    QTest::keyClick(window.PluginSource, Qt::Key_Backspace);
}
