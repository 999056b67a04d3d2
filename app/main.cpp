#include <QApplication>

#include "applicationlook.h"
#include "frmmain.h"
#include "startupoptions.h"

int main(int argc, char** argv) {
    if (const auto answered = tilewright::AnswerBeforeDisplay(argc, argv)) return *answered;
    QApplication app(argc, argv);
    tilewright::ApplyApplicationLook(app);
    // Qt has taken its own options (-platform, -style, ...) out by now.
    const tilewright::StartupOptions options = tilewright::ParseStartupOptions(app.arguments());
    if (const auto refused = tilewright::AnswerWithoutWindow(options)) return *refused;
    tilewright::FrmMain window;
    tilewright::ApplyStartupOptions(options, window);
    window.ShowCentred();
    window.activateWindow();  // keys reach it at once, also where no window manager gives the focus
    return app.exec();
}
