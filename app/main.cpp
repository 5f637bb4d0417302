// The program: the application, its four windows in order, then the event loop until the main window closes.
#include <QApplication>

#include "forms/QuorvitAbout.h"
#include "forms/QuorvitInterpret.h"
#include "forms/Rorovovo1.h"
#include "forms/Rorovovo2.h"

using namespace rorovovo::forms;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    auto* main = new TForm1;
    main->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(main, &QObject::destroyed, &app, &QApplication::quit);
    FormAbout = new TFormAbout(main);
    FormEditor = new TFormEditor(main);
    FormInterpret = new TFormInterpret(main);
    main->show();
    return app.exec();
}
