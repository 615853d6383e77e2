#pragma once
// TFormVisInit: the visualisation's parameter dialog: object title and group line, the lift
// grid, the status and fault texts and the stop designations; "Ansicht" shows the object as
// edited in the visualisation.
#include <QWidget>

#include "platform/dialogs.h"
#include "project/grafik_record.h"

class QLineEdit;
class QTableWidget;
class QCloseEvent;

namespace ovis::gui {

class TFormVisualisierung;

class TFormVisInit : public QWidget {
    Q_OBJECT
public:
    TFormVisInit(Dialogs& dialogs, TFormVisualisierung& visualisation, QWidget* parent);

    // Fills the fields from the record and shows the dialog.
    void Open(const TGrafikRecord& record);
    // "Ansicht": false (after a message) when a text holds a character code page 1252 cannot hold.
    bool AnsichtClick();

    QLineEdit* Objektbezeichnung() const { return objekt_; }
    QLineEdit* Gruppeneinteilung() const { return gruppen_; }
    QTableWidget* Lifts() const { return lifts_; }
    QTableWidget* Texts() const { return texts_; }
    QTableWidget* Stops() const { return stops_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void LiftCellChanged(int row, int column);

    Dialogs& dialogs_;
    TFormVisualisierung& visualisation_;
    TGrafikRecord record_;
    QLineEdit* objekt_;
    QLineEdit* gruppen_;
    QTableWidget* lifts_;
    QTableWidget* texts_;
    QTableWidget* stops_;
    bool changed_ = false;
    bool filling_ = false;
};

}  // namespace ovis::gui
