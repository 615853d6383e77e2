#include "tables/gui/chooser_popup.h"

#include <QKeyEvent>
#include <QStyle>
#include <QToolTip>

namespace ovis::gui {

ChooserPopup::ChooserPopup(QWidget* parent) : QListWidget(parent) {
    setWindowFlags(Qt::Popup);
    setMouseTracking(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    QPalette info = palette();
    info.setColor(QPalette::Base, QToolTip::palette().color(QPalette::ToolTipBase));
    info.setColor(QPalette::Text, QToolTip::palette().color(QPalette::ToolTipText));
    setPalette(info);
    connect(this, &QListWidget::itemEntered, this, [this](QListWidgetItem* item) { setCurrentItem(item); });
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { Pick(row(item)); });
    connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { Pick(row(item)); });
}

void ChooserPopup::Open(const QStringList& items, QPoint globalTopLeft, int bottomLimit,
                        std::function<void(int)> picked) {
    picked_ = std::move(picked);
    clear();
    addItems(items);
    const int rowHeight = qMax(sizeHintForRow(0), 14);
    const int visibleRows = qMin(int(items.size()), 20);
    const int scrollBar = items.size() > visibleRows ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
    const int width = sizeHintForColumn(0) + 2 * frameWidth() + 10 + scrollBar;
    const int height = visibleRows * rowHeight + 2 * frameWidth();
    if (globalTopLeft.y() + height > bottomLimit) globalTopLeft.ry() -= height;
    setGeometry(QRect(globalTopLeft, QSize(width, height)));
    setCurrentRow(-1);
    show();
    setFocus();
}

void ChooserPopup::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        picked_ = nullptr;
        hide();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void ChooserPopup::Pick(int index) {
    hide();
    if (!picked_ || index < 0) return;
    auto picked = std::move(picked_);
    picked_ = nullptr;
    picked(index);
}

}  // namespace ovis::gui
