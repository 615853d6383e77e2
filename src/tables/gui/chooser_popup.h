#pragma once
// ChooserPopup: the small list in the info colour that editors open at the mouse to pick a
// value. The entry under the mouse follows it; a click picks, Esc or a press elsewhere closes.
#include <QListWidget>
#include <functional>

namespace ovis::gui {

class ChooserPopup : public QListWidget {
    Q_OBJECT
public:
    explicit ChooserPopup(QWidget* parent = nullptr);

    // Shows `items` with the top left corner at `globalTopLeft`; when the list would reach below
    // `bottomLimit` (global y) it is moved up by its own height. `picked` gets the index.
    void Open(const QStringList& items, QPoint globalTopLeft, int bottomLimit, std::function<void(int)> picked);

    // Picks the entry at `index` as a click on it does.
    void Pick(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<void(int)> picked_;
};

}  // namespace ovis::gui
