#include "solver_window/form_ventrolex.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ventrolex"));
    QApplication::setApplicationVersion(QStringLiteral(VENTROLEX_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Ventrolex"));

    Form_Ventrolex window;
    window.show();
    return app.exec();
}
