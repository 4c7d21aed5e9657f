#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <vector>

class QWidget;

// Acts inside nested exec() calls. Each step waits until the active modal window is the one
// it expects, then runs once. When a step waits longer than the time limit, every modal
// window still open is rejected, so a failing test ends instead of hanging.
//
// A modal window still open a while after the last step is rejected too and reported: without
// that, a window the script did not expect would wait for a user who never comes.
//
//   ModalScript script;
//   script.when(&forms.NewStyle_AddItem, [&] { type text; click Add; })
//         .whenMessageBox([&](QMessageBox *box) { record box->text(); box->accept(); });
//   script.run([&] { QTest::mouseClick(button, Qt::LeftButton); });  // opens the first one
class ModalScript : public QObject {
    Q_OBJECT
  public:
    explicit ModalScript(int timeLimitMs = 5000);
    ~ModalScript() override;

    // Waits until `window` is the active modal window.
    ModalScript &when(QWidget *window, std::function<void()> action);
    // Waits until a message box is the active modal window.
    ModalScript &whenMessageBox(std::function<void(class QMessageBox *)> action);
    // Waits until a window of the given object name is the active modal window.
    ModalScript &whenNamed(const QString &objectName, std::function<void(QWidget *)> action);

    // Starts the script, runs `trigger`, which opens the first modal window, and expects that
    // every step ran and no window was left open.
    void run(const std::function<void()> &trigger);

    void start();
    bool done() const { return next_ == steps_.size(); }
    // Why the script gave up, or which window stayed open after it; empty when all went well.
    QString failure() const { return failure_; }

  private:
    struct Step {
        QString what;
        std::function<bool(QWidget *)> matches;
        std::function<void(QWidget *)> action;
    };
    void poll();
    void giveUp();

    std::vector<Step> steps_;
    size_t next_ = 0;
    bool acting_ = false;
    int waitedMs_ = 0;
    int lingeredMs_ = 0;
    int timeLimitMs_;
    QTimer timer_;
    QString failure_;
};

// Rejects every modal window that is open, innermost first.
void RejectAllModalWindows();
