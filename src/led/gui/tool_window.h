#pragma once
// The LED dialogs are tool windows centred on the screen.
#include <QDialog>

namespace ovis::gui {

void MakeToolWindow(QDialog* dialog, bool staysOnTop);
// Moves a window to the centre of its screen's available area.
void CentreOnScreen(QWidget* window);

}  // namespace ovis::gui
