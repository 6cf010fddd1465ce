#include "ui/app_identity.h"
#include "ui/form4.h"
#include "ui/window_style.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpApplicationIdentity();
    window_style::makeFieldFontTheDefault();
    Form4 window;
    window.show();
    return app.exec();
}
