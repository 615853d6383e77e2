#include "led/gui/tool_window.h"

#include <QScreen>

namespace ovis::gui {

void MakeToolWindow(QDialog* dialog, bool staysOnTop) {
    Qt::WindowFlags flags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (staysOnTop) flags |= Qt::WindowStaysOnTopHint;
    dialog->setWindowFlags(flags);
}

void CentreOnScreen(QWidget* window) {
    if (QScreen* screen = window->screen()) {
        const QRect frame = window->frameGeometry();
        window->move(screen->availableGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2));
    }
}

}  // namespace ovis::gui
