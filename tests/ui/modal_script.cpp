#include "tests/ui/modal_script.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

#include <gtest/gtest.h>

namespace {
constexpr int kPollMs = 10;
constexpr int kLingerLimitMs = 2000;

QString describe(QWidget *window) {
    QString text = window->windowTitle() + QStringLiteral(" (") + window->objectName() + u')';
    if (auto *box = qobject_cast<QMessageBox *>(window)) text += QStringLiteral(": ") + box->text();
    return text;
}
}  // namespace

ModalScript::ModalScript(int timeLimitMs) : timeLimitMs_(timeLimitMs) {
    timer_.setInterval(kPollMs);
    connect(&timer_, &QTimer::timeout, this, &ModalScript::poll);
}

ModalScript::~ModalScript() {
    timer_.stop();
}

ModalScript &ModalScript::when(QWidget *window, std::function<void()> action) {
    steps_.push_back({window->objectName(), [window](QWidget *w) { return w == window; },
                      [action](QWidget *) { action(); }});
    return *this;
}

ModalScript &ModalScript::whenMessageBox(std::function<void(QMessageBox *)> action) {
    steps_.push_back({QStringLiteral("a message box"),
                      [](QWidget *w) { return qobject_cast<QMessageBox *>(w) != nullptr; },
                      [action](QWidget *w) { action(qobject_cast<QMessageBox *>(w)); }});
    return *this;
}

ModalScript &ModalScript::whenNamed(const QString &objectName,
                                    std::function<void(QWidget *)> action) {
    steps_.push_back(
        {objectName, [objectName](QWidget *w) { return w->objectName() == objectName; }, action});
    return *this;
}

void ModalScript::start() {
    timer_.start();
}

void ModalScript::run(const std::function<void()> &trigger) {
    start();
    trigger();
    timer_.stop();
    EXPECT_TRUE(done() && failure_.isEmpty()) << failure_.toStdString();
}

void ModalScript::poll() {
    if (acting_) return;
    if (done()) {
        QWidget *modal = QApplication::activeModalWidget();
        lingeredMs_ = modal ? lingeredMs_ + kPollMs : 0;
        if (lingeredMs_ >= kLingerLimitMs) {
            failure_ =
                QStringLiteral("a window stayed open after the last step: ") + describe(modal);
            timer_.stop();
            RejectAllModalWindows();
        }
        return;
    }
    QWidget *modal = QApplication::activeModalWidget();
    if (modal && modal->isVisible() && steps_[next_].matches(modal)) {
        waitedMs_ = 0;
        acting_ = true;
        // A timer is never re-entered while its slot runs, and the action may open a nested
        // modal window: run it from a timer of its own, so that polling goes on inside.
        QTimer::singleShot(0, this, [this, modal, step = next_++] {
            acting_ = false;
            steps_[step].action(modal);
        });
        return;
    }
    waitedMs_ += kPollMs;
    if (waitedMs_ >= timeLimitMs_) giveUp();
}

void ModalScript::giveUp() {
    timer_.stop();
    QWidget *modal = QApplication::activeModalWidget();
    failure_ = QStringLiteral("waited in vain for %1; the active modal window is %2")
                   .arg(steps_[next_].what, modal ? describe(modal) : QStringLiteral("none"));
    RejectAllModalWindows();
}

void RejectAllModalWindows() {
    while (QWidget *modal = QApplication::activeModalWidget()) {
        auto *dialog = qobject_cast<QDialog *>(modal);
        if (!dialog) break;
        dialog->reject();
        QApplication::processEvents();
    }
}
