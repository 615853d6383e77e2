#pragma once
// TFormModToMod "Modulzuordnung": the module positions of the current LED message ("001", ...)
// with the physical module number of each; "Standard" fills the consecutive list, "Übernehmen"
// hands the list to the LED editor.
#include <QDialog>
#include <optional>

#include "led/module_assignment.h"

class QPushButton;
class QTableWidget;

namespace ovis::gui {

class TFormModToMod : public QDialog {
    Q_OBJECT
public:
    explicit TFormModToMod(QWidget* parent = nullptr);

    // Shows the list; the result is the edited list after "Übernehmen", nothing otherwise.
    std::optional<ModuleAssignment> Edit(const ModuleAssignment& assignment);
    void Show(const ModuleAssignment& assignment);
    const ModuleAssignment& Assignment() const { return *assignment_; }

    QTableWidget* List() const { return list_; }
    QPushButton* StandardButton() const { return standard_; }
    QPushButton* ApplyButton() const { return apply_; }

private:
    void Fill();

    std::optional<ModuleAssignment> assignment_;
    QTableWidget* list_ = nullptr;
    QPushButton* standard_ = nullptr;
    QPushButton* apply_ = nullptr;
};

}  // namespace ovis::gui
