#include "app/Quillet3App.h"
#include "app/RunMode.h"

#include <QApplication>

int main(int argc, char** argv) {
    SetProcessArguments(argc, argv);
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("6182Orvane"));
    CQuillet3App& app = TheApp();
    int rc = 0;
    if (app.InitInstance()) rc = qapp.exec();
    app.ExitInstance();
    return rc;
}
