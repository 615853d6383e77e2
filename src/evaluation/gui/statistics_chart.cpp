#include "evaluation/gui/statistics_chart.h"

#include <QPainter>
#include <algorithm>

namespace ovis::gui {

StatisticsChart::StatisticsChart(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    setPalette(QPalette(Qt::white));
    setMinimumSize(300, 160);
}

void StatisticsChart::SetBars(std::vector<StatisticsBar> bars, const QString& axisTitle) {
    bars_ = std::move(bars);
    axisTitle_ = axisTitle;
    update();
}

void StatisticsChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QFontMetrics fm = p.fontMetrics();
    const int left = fm.horizontalAdvance("100 %") + 8;
    const int top = fm.height();
    const int bottom = height() - 2 * fm.height() - 6;
    const int right = width() - 8;
    if (bottom <= top || right <= left) return;
    const double scale = double(bottom - top) / 100.0;

    p.setPen(Qt::lightGray);
    for (int percent = 0; percent <= 100; percent += 25) {
        const int y = bottom - int(percent * scale);
        p.drawLine(left, y, right, y);
        p.setPen(Qt::black);
        p.drawText(QRect(0, y - fm.height() / 2, left - 4, fm.height()), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(percent) + " %");
        p.setPen(Qt::lightGray);
    }
    p.setPen(Qt::black);
    p.drawLine(left, top, left, bottom);
    p.drawLine(left, bottom, right, bottom);

    const int count = int(bars_.size());
    if (count > 0) {
        const double slot = double(right - left) / count;
        const int barWidth = std::max(2, int(slot * 0.6));
        for (int i = 0; i < count; ++i) {
            const int x = left + int(slot * i + (slot - barWidth) / 2);
            const int h = int(std::clamp(bars_[std::size_t(i)].percent, 0.0, 100.0) * scale);
            p.fillRect(QRect(x, bottom - h, barWidth, h), QColor(0, 0, 160));
            p.drawText(QRect(left + int(slot * i), bottom + 2, int(slot), fm.height()), Qt::AlignHCenter,
                       bars_[std::size_t(i)].label);
        }
    }
    p.drawText(QRect(left, height() - fm.height() - 2, right - left, fm.height()), Qt::AlignHCenter, axisTitle_);
}

}  // namespace ovis::gui
