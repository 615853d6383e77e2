#pragma once
// The QGuiApplication that ovisctl's Qt parts (desktop fonts, PDF reports) need, on the offscreen
// platform unless QT_QPA_PLATFORM says otherwise, so that no display is needed.
#include <QGuiApplication>

namespace ovis::cli {

class OffscreenGuiApplication {
public:
    OffscreenGuiApplication() : application_(Argc(), Argv()) {}

private:
    static int& Argc() {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        return argc;
    }
    static char** Argv() {
        static char name[] = "ovisctl";
        static char* argv[] = {name, nullptr};
        return argv;
    }

    QGuiApplication application_;
};

}  // namespace ovis::cli
