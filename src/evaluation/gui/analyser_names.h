#pragma once
// The analyser's name list: a blank and the message name per row, black on yellow, marked rows in
// the highlight colours; clicks mark rows and the wheel moves the single mark.
#include <QWidget>
#include <functional>

#include "evaluation/analyser_model.h"

namespace ovis::gui {

class AnalyserNames : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 120;

    AnalyserNames(AnalyserModel& model, QWidget* parent = nullptr);

    // The rows changed (a new model or rows).
    void Refresh();
    // Narrower while the condition column stands next to the names.
    void SetWidth(int width);

    // The current row after a wheel step, to keep it visible.
    std::function<void(int row)> onWheelMoved;
    // The marked rows changed (click or wheel).
    std::function<void()> onMarked;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    AnalyserModel& model_;
    int width_ = kWidth;
};

}  // namespace ovis::gui
