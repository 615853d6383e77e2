#pragma once
// The analyser's search condition column: the cell texts of the shown rows next to the names. A
// right click opens the list "  High", "  Low", "  x" at the mouse; a left click selects the row.
#include <QListWidget>
#include <QWidget>
#include <functional>

#include "evaluation/condition_column.h"

namespace ovis::gui {

// The small list of a condition cell: a pop-up that Escape, a click elsewhere or a choice closes.
class ConditionList : public QListWidget {
    Q_OBJECT
public:
    explicit ConditionList(QWidget* parent = nullptr);
    // Opens the list for `row` at the global position `at`.
    void Open(int row, QPoint at);
    std::function<void(int row, const std::string& entry)> onChosen;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Choose(QListWidgetItem* item);
    int row_ = 0;
};

class AnalyserConditions : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 40;

    AnalyserConditions(const ConditionColumn& column, QWidget* parent = nullptr);
    void SetRows(int diagramRows);
    ConditionList* List() const { return list_; }

    // A left click on a row (the row becomes the only marked one).
    std::function<void(int row)> onRowSelected;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const ConditionColumn& column_;
    ConditionList* list_;
};

}  // namespace ovis::gui
