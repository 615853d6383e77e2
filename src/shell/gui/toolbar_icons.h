#pragma once
// The pictures of the main window's tool buttons and the application icon, drawn with QPainter.
// Disabled buttons get the style's greyed form of the same picture.
#include <QIcon>

#include "shell/main_window_model.h"

namespace ovis::gui {

// The icon of a menu item's tool button; a null icon for items without a button.
QIcon CommandIcon(MenuCommand command);
QIcon ApplicationIcon();
// "Visualisierung - Online".
QIcon VisualisationOnlineIcon();
// "Counter (Online)" while its window is closed (image 60) and while it reads (image 61).
QIcon CounterOnlineIcon(bool reading);

}  // namespace ovis::gui
