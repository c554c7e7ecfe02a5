// Pelgo_CD: the soft-starter sizing wizard.

#include "Style.h"
#include "frmMDI.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// A desktop program: without a display say how to run it instead of failing
// inside the toolkit.
bool displayAvailable()
{
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char* argv[])
{
    if (!displayAvailable()) {
        std::fputs("Pelgo_CD needs a graphical display. Without one, run it inside a virtual display:\n"
                   "  xvfb-run -a -s \"-screen 0 1280x800x24\" build/Pelgo/Pelgo_CD\n",
                   stderr);
        return 2;
    }
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    pelgo::app::applyWizardStyle(application);

    pelgo::app::frmMDI window;
    window.show();
    window.start();
    return application.exec();
}
