#include "ui/form.h"

#include "ui/caption_fit.h"
#include "ui/screen_place.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

QFont programFont() {
    QFont font;
    // Where MS Sans Serif is missing, the fonts with the closest metrics come first: a wider
    // face would not fit the captions into their buttons.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

TForm::TForm(Forms &forms, const Definition &definition) : QDialog(nullptr), forms(forms) {
    setObjectName(QString::fromLatin1(definition.instanceName));
    setWindowTitle(definition.caption);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(programFont());
    setFixedSize(definition.clientSize);
    move(definition.screenPosition);
}

void TForm::closeWindow() {
    done(QDialog::Rejected);
}

void TForm::setVisible(bool visible) {
    const bool opening = visible && !isVisible();
    if (opening) {
        // The platform window knows the size of its frame once it exists, on most systems.
        create();
        const QMargins margins = windowHandle() ? windowHandle()->frameMargins() : QMargins();
        keepOnScreen(QRect(pos(), size().grownBy(margins)));
    }
    QDialog::setVisible(visible);
    // Where the frame became known only on showing, the window may still stick out by it.
    if (opening) keepOnScreen(frameGeometry());
}

void TForm::keepOnScreen(const QRect &frame) {
    QScreen *screen = QGuiApplication::screenAt(frame.center());
    if (!screen) screen = this->screen();
    if (!screen) return;
    const QPoint inside = FramePositionInside(frame, screen->availableGeometry());
    // move() places the frame's top left corner.
    if (inside != frame.topLeft()) move(inside);
}

QLabel *TForm::addLabel(const char *name, const QString &caption, QPoint position) {
    auto *label = new QLabel(caption, this);
    label->setObjectName(QString::fromLatin1(name));
    label->move(position);
    label->adjustSize();
    return label;
}

QPushButton *TForm::addPushButton(const char *name, const QString &caption, QRect geometry) {
    auto *button = addControl<QPushButton>(name, geometry);
    button->setText(caption);
    // No window has a default button: Enter in a text box must not press one.
    button->setAutoDefault(false);
    FitCaption(*button);
    return button;
}

void TForm::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
