#pragma once
// The module panel of the program editor's "I / O" page: the module position and type of the
// current I/O message and the 18 terminal lines with their designations, read-only.
#include <QWidget>
#include <optional>

#include "programs/reference_pages.h"

class QLabel;
class QTableWidget;

namespace ovis::gui {

class IoModuleView : public QWidget {
    Q_OBJECT
public:
    explicit IoModuleView(QWidget* parent = nullptr);

    // Shows a module, or nothing outside the I/O table.
    void Show(const std::optional<ReferencePages::IoModule>& module);

    QLabel* PositionLabel() const { return position_; }
    QLabel* TypeLabel() const { return type_; }
    QTableWidget* Lines() const { return lines_; }

private:
    QLabel* position_ = nullptr;
    QLabel* type_ = nullptr;
    QTableWidget* lines_ = nullptr;
};

}  // namespace ovis::gui
