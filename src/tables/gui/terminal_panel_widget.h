#pragma once
// The terminal panel of the I/O editor: module position with its scroll bar and type, the 18
// terminal lines with their designations (edited in place, moved by dragging) and the current
// row's levels, and the arrow that switches the terminal row.
#include <QWidget>

class QLabel;
class QScrollBar;
class QTableWidget;
class QTimer;
class QToolButton;

namespace ovis {
class IoEditor;
}

namespace ovis::gui {

class ChooserPopup;

class TerminalPanelWidget : public QWidget {
    Q_OBJECT
public:
    explicit TerminalPanelWidget(IoEditor& editor, QWidget* parent = nullptr);

    // Redraws from the editor.
    void Refresh();

    QLabel* ModuleLabel() const { return moduleLabel_; }
    QLabel* TypeLabel() const { return typeLabel_; }
    QScrollBar* ModuleScrollBar() const { return scrollBar_; }
    QTableWidget* Lines() const { return lines_; }
    QToolButton* ToLowerButton() const { return toLower_; }
    QToolButton* ToUpperButton() const { return toUpper_; }
    ChooserPopup* LevelChooser() const { return chooser_; }
    QTimer* BlinkTimer() const { return blinkTimer_; }

    static constexpr int kLabelColumn = 0;
    static constexpr int kDesignationColumn = 1;
    static constexpr int kLevelColumn = 2;

signals:
    // The table or the designations changed.
    void changed();
    // The terminal row was switched; the grid takes the focus back.
    void rowSwitched();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OpenLevelChooser(int line, QPoint globalPosition);
    void UpdateTypeLabel();

    IoEditor& editor_;
    QLabel* moduleLabel_ = nullptr;
    QLabel* typeLabel_ = nullptr;
    QScrollBar* scrollBar_ = nullptr;
    QTableWidget* lines_ = nullptr;
    QToolButton* toLower_ = nullptr;
    QToolButton* toUpper_ = nullptr;
    ChooserPopup* chooser_ = nullptr;
    QTimer* blinkTimer_ = nullptr;
    int dragFromLine_ = 0;
    bool refreshing_ = false;
};

}  // namespace ovis::gui
