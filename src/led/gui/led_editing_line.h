#pragma once
// The parts of the main window's display panel that the LED table editor drives: the module
// pictures and the editing line below them.
class QLineEdit;
class QPushButton;
class QScrollBar;
class QWidget;

namespace ovis::gui {

class LedDisplayPanel;

struct LedEditingParts {
    LedDisplayPanel* panel = nullptr;
    QWidget* line = nullptr;  // hidden until the editor opens
    QLineEdit* text = nullptr;
    QPushButton* showText = nullptr;
    QScrollBar* scrollBar = nullptr;
};

}  // namespace ovis::gui
