#include "app/forms.h"
#include "ui/message_boxes.h"
#include "ui/pictures.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(kApplicationTitle);
    QApplication::setWindowIcon(DrawnIcon(ProgramIcon));
    QApplication::setFont(programFont());

    Forms forms;
    QObject::connect(&forms.ChooseStyleMenu, &QDialog::finished, &app, &QApplication::quit);
    forms.ChooseStyleMenu.show();
    return app.exec();
}
