#pragma once
// The scale below the diagram: a short tick per column edge and a long one every ten columns.
#include <QWidget>

namespace ovis::gui {

class AnalyserScale : public QWidget {
    Q_OBJECT
public:
    explicit AnalyserScale(QWidget* parent = nullptr);

    // `left`: the diagram's left edge in this widget; `columns`: N.
    void Set(int left, int columns);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int left_ = 0;
    int columns_ = 60;
};

}  // namespace ovis::gui
