// The simulator: one window, shown until it is closed.
#include <QApplication>

#include "pcmain/pcmain.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TForm1 form;
    form.show();
    return app.exec();
}
