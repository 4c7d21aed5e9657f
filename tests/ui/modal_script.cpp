#include "tests/ui/modal_script.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

namespace {
constexpr int kPollMs = 10;
}

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

void ModalScript::poll() {
    if (done()) {
        timer_.stop();
        return;
    }
    if (acting_) return;
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
                   .arg(steps_[next_].what, modal ? modal->objectName() : QStringLiteral("none"));
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
