#include "platform/gui/qt_pump.h"

#include <QCoreApplication>

namespace ovis::gui {

void QtPump::ProcessPendingMessages() {
    if (sinceLast_.elapsed() < 2) return;
    QCoreApplication::processEvents();
    sinceLast_.restart();
}

}  // namespace ovis::gui
