#include <QApplication>

#include "applicationlook.h"
#include "frmmain.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tilewright::ApplyApplicationLook(app);
    tilewright::FrmMain window;
    window.ShowCentred();
    return app.exec();
}
