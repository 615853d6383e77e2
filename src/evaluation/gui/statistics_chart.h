#pragma once
// The bar chart of a statistics tab: one bar per row with its percentage, labelled with the
// row's "Nr", under an axis title. Drawn with QPainter.
#include <QString>
#include <QWidget>
#include <vector>

namespace ovis::gui {

struct StatisticsBar {
    QString label;   // "Nr"
    double percent;  // 0-100
};

class StatisticsChart : public QWidget {
    Q_OBJECT
public:
    explicit StatisticsChart(QWidget* parent = nullptr);

    void SetBars(std::vector<StatisticsBar> bars, const QString& axisTitle);
    const std::vector<StatisticsBar>& Bars() const { return bars_; }
    const QString& AxisTitle() const { return axisTitle_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<StatisticsBar> bars_;
    QString axisTitle_;
};

}  // namespace ovis::gui
