#pragma once
// TFormAnalyser: the timing diagram of the loaded recording (file mode).
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "evaluation/analyser_cells.h"
#include "evaluation/analyser_edit_commands.h"
#include "evaluation/analyser_model.h"
#include "evaluation/condition_column.h"
#include "evaluation/export_target.h"
#include "evaluation/analyser_print_picture.h"
#include "evaluation/recording_undo.h"
#include "platform/dialogs.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QScrollArea;
class QScrollBar;

namespace ovis::gui {

class AnalyserConditions;
class AnalyserDiagram;
class AnalyserNames;
class AnalyserScale;
class TFormZeitintervall;

class TFormAnalyser : public QWidget {
    Q_OBJECT
public:
    static constexpr int kNormalWidth = 632;
    static constexpr int kNormalHeight = 425;
    static constexpr int kFileModeHelpContext = 10001;

    TFormAnalyser(TRecording& recording, Dialogs& dialogs, QWidget* parent = nullptr);

    // Shows the loaded recording with `rows`: at the opening window, or at `place` when it is
    // reopened after a selection change. False when the recording has no event record (the
    // caller says so).
    bool OpenFile(AnalyserRows rows, bool outputFolder, const std::optional<AnalyserPlace>& place);

    // The window state decides N: maximised on a screen `screenWidth` pixels wide, or normal.
    void ApplyWindowState(bool maximised, int screenWidth);

    AnalyserModel& Model() { return model_; }
    const DiagramLook& Look() const { return look_; }
    AnalyserDiagram* Diagram() const { return diagram_; }
    AnalyserNames* Names() const { return names_; }
    QComboBox* DivisionList() const { return divisions_; }
    QScrollBar* TimeScrollBar() const { return scrollBar_; }
    QScrollArea* RowArea() const { return rowArea_; }
    AnalyserConditions* ConditionCells() const { return conditionCells_; }
    QMenu* PopupMenu() const { return popup_; }
    const ConditionColumn& Conditions() const { return conditions_; }
    const RecordingUndo& Undo() const { return *undo_; }
    // The open time range dialog, if any.
    TFormZeitintervall* TimeRangeDialog() const;
    QAction* Action(const char* objectName) const;
    // Left, cursor and right labels: date and time each.
    QLabel* Label(const char* objectName) const;

    void SpeichernClick();
    // "&Drucken...": asks `onPrint` for the preview.
    void DruckenClick();
    // "Exportieren...": the shown rows of the recording into the chosen file.
    void ExportierenClick();
    void SchliessenClick() { close(); }
    void ZoomInClick();
    void ZoomOutClick();
    void Raster1Click();
    void TeilungHorizontal1Click();
    void TeilungVertikal1Click();
    void AuswahlMeldungClick();
    void DivisionChosen(int division);
    void Scrolled(ScrollAction action, int position);
    void DiagramClicked(QPoint at);

    // "Bearbeiten" and the pop-up menu.
    void PopupMenu1Popup();
    void RueckgaengigClick();
    void BereichfestlegenClick(bool fileLimits);
    void PegelerzeugenClick() { RunEdit(EditCommand::Create); }
    void PegelloeschenClick() { RunEdit(EditCommand::Delete); }
    void PegelverschiebenClick() { RunEdit(EditCommand::Shift); }
    void BereichAnfang1Click() { RunEdit(EditCommand::Begin); }
    void BereichEnde1Click() { RunEdit(EditCommand::End); }
    void MeldunghinzufuegenClick() { RunEdit(EditCommand::Add); }
    void MeldungEntfernenClick() { RunEdit(EditCommand::Remove); }
    void InfoMeldungsdauerClick();
    // "Suchen".
    void SuchbedingungClick();
    void PegelsuchenClick();

    std::function<void(int context)> showHelp;
    // "Meldungen auswählen...": the message selection for this analyser's folder.
    std::function<void()> onSelectMessages;
    // The window closed (and is about to be freed).
    std::function<void()> onClosed;
    // "&Drucken...": shows the print preview of this analyser's picture.
    std::function<void()> onPrint;
    // Asks for the export file; unset, a file dialog does. Nothing when the user cancels.
    std::function<std::optional<ExportTarget>()> chooseExportFile;

    // The printed picture: the rows from the top row in view, the window's division and left edge.
    AnalyserPrintPicture PrintPicture() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildMenus(QLayout* layout);
    void BuildBottom(QLayout* layout);
    QAction* AddAction(QMenu* menu, const QString& text, const char* objectName, const QKeySequence& shortcut,
                       std::function<void()> handler);
    // Repaints: cells whose state changed (or all), then the cursor where it moved.
    void Repaint(bool full);
    void UpdateLabels();
    void UpdateMenus();
    void UpdateScrollBar();
    void RunEdit(EditCommand command);
    // After the records changed: states, scroll range, repaint, "Rückgängig".
    void RecordsChanged();
    // "Rückgängig" enabled exactly while the undo depth is above 0.
    void RueckEnable();
    void ShowConditionColumn(bool shown);
    std::optional<ExportTarget> ExportFileDialog();

    TRecording& recording_;
    Dialogs& dialogs_;
    AnalyserModel model_;
    std::unique_ptr<RecordingUndo> undo_ = std::make_unique<RecordingUndo>();
    ConditionColumn conditions_;
    EditContext editContext_;
    DiagramLook look_;
    bool outputFolder_ = false;
    int drawnCursor_ = 0;
    AnalyserDiagram* diagram_ = nullptr;
    AnalyserNames* names_ = nullptr;
    AnalyserConditions* conditionCells_ = nullptr;
    AnalyserScale* scale_ = nullptr;
    QScrollArea* rowArea_ = nullptr;
    QComboBox* divisions_ = nullptr;
    QScrollBar* scrollBar_ = nullptr;
    QMenu* popup_ = nullptr;
};

}  // namespace ovis::gui
