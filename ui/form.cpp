#include "ui/form.h"

#include "ui/caption_fit.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

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
