#include "app/CComboCalcApp.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kov Calculator"));
    QApplication::setApplicationVersion(QStringLiteral("0.92"));
    return theApp.Run();
}
