#include "evaluation/gui/Zel_Analyser.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include "evaluation/analyser_file.h"
#include "evaluation/analyser_menu.h"
#include "evaluation/analyser_time_labels.h"
#include "evaluation/gui/Zel_Zeitintervall.h"
#include "evaluation/gui/analyser_conditions.h"
#include "evaluation/gui/analyser_diagram.h"
#include "evaluation/gui/analyser_names.h"
#include "evaluation/gui/analyser_scale.h"
#include "evaluation/search_run.h"
#include "evaluation/time_range.h"
#include "platform/gui/text_conversion.h"
#include "records/codepage.h"

namespace ovis::gui {
namespace {

constexpr int kVisibleRowsNormal = 16;
constexpr int kVisibleRowsMaximised = 33;

QLabel* NamedLabel(const char* objectName) {
    auto* label = new QLabel;
    label->setObjectName(objectName);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

TFormAnalyser::TFormAnalyser(TRecording& recording, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), recording_(recording), dialogs_(dialogs) {
    setObjectName("Zel_Analyser");
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kNormalWidth, kNormalHeight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 2);
    layout->setSpacing(2);
    conditionCells_ = new AnalyserConditions(conditions_);
    conditionCells_->hide();
    BuildMenus(layout);

    auto* rows = new QWidget;
    auto* rowLayout = new QHBoxLayout(rows);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    rowLayout->setSpacing(0);
    names_ = new AnalyserNames(model_);
    diagram_ = new AnalyserDiagram;
    rowLayout->addWidget(names_, 0, Qt::AlignTop);
    rowLayout->addWidget(conditionCells_, 0, Qt::AlignTop);
    rowLayout->addWidget(diagram_, 0, Qt::AlignTop);
    rowLayout->addStretch();
    rowArea_ = new QScrollArea;
    rowArea_->setWidget(rows);
    rowArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rowArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    rowArea_->verticalScrollBar()->setSingleStep(kRowPitch);
    rowArea_->setFrameShape(QFrame::NoFrame);
    layout->addWidget(rowArea_, 1);

    scale_ = new AnalyserScale;
    layout->addWidget(scale_);
    BuildBottom(layout);

    diagram_->onLeftClick = [this](QPoint at) { DiagramClicked(at); };
    diagram_->onDoubleClick = [this](QPoint) { ZoomInClick(); };
    diagram_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(diagram_, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { popup_->popup(diagram_->mapToGlobal(at)); });
    names_->onMarked = [this] { PopupMenu1Popup(); };
    conditionCells_->onRowSelected = [this](int row) {
        model_.Marks().Click(row);
        names_->update();
        PopupMenu1Popup();
    };
    conditionCells_->List()->onChosen = [this](int row, const std::string& entry) {
        conditions_.Choose(row, entry);
        conditionCells_->update();
    };
    names_->onWheelMoved = [this](int row) {
        QScrollBar* bar = rowArea_->verticalScrollBar();
        const int visible = isMaximized() ? kVisibleRowsMaximised : kVisibleRowsNormal;
        const int top = TopRowShowing(row, bar->value() / kRowPitch + 1, visible);
        bar->setValue((top - 1) * kRowPitch);
    };
}

QAction* TFormAnalyser::AddAction(QMenu* menu, const QString& text, const char* objectName,
                                  const QKeySequence& shortcut, std::function<void()> handler) {
    QAction* action = menu->addAction(text);
    action->setObjectName(objectName);
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    return action;
}

void TFormAnalyser::BuildMenus(QLayout* layout) {
    auto* bar = new QMenuBar(this);
    layout->setMenuBar(bar);

    QMenu* datei = bar->addMenu(QStringLiteral("&Datei"));
    datei->setObjectName("Datei");
    AddAction(datei, QStringLiteral("&Speichern"), "Speichern", QKeySequence(Qt::CTRL | Qt::Key_S), [this] { SpeichernClick(); });
    AddAction(datei, QStringLiteral("&Drucken..."), "Drucken", {}, [this] { DruckenClick(); });
    AddAction(datei, QStringLiteral("Exportieren..."), "Exportieren", {}, [this] { ExportierenClick(); });
    AddAction(datei, QStringLiteral("S&chließen"), "Schliessen", {}, [this] { SchliessenClick(); });

    QMenu* edit = bar->addMenu(QStringLiteral("&Bearbeiten"));
    edit->setObjectName("Bearbeiten");
    AddAction(edit, QStringLiteral("Rückgängig"), "Rueckgaengig", QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { RueckgaengigClick(); });
    QAction* range = AddAction(edit, QStringLiteral("&Bereich des Ereignisses festlegen"), "Bereichfestlegen",
                               QKeySequence(Qt::CTRL | Qt::Key_B), [this] { BereichfestlegenClick(false); });
    QAction* create = AddAction(edit, QStringLiteral("Ereignis er&zeugen"), "Pegelerzeugen", {}, [this] { PegelerzeugenClick(); });
    QAction* remove = AddAction(edit, QStringLiteral("Ereignis &löschen"), "Pegelloeschen", {}, [this] { PegelloeschenClick(); });
    QAction* shift = AddAction(edit, QStringLiteral("Ereignis &verschieben"), "Pegelverschieben",
                               QKeySequence(Qt::CTRL | Qt::Key_V), [this] { PegelverschiebenClick(); });
    QAction* begin = AddAction(edit, QStringLiteral("&Anfang des Ereignisses setzen"), "BereichAnfang1",
                               QKeySequence(Qt::CTRL | Qt::Key_A), [this] { BereichAnfang1Click(); });
    AddAction(edit, QStringLiteral("&Ende des Ereignisses setzen"), "BereichEnde1", QKeySequence(Qt::CTRL | Qt::Key_E),
              [this] { BereichEnde1Click(); });
    AddAction(edit, QStringLiteral("Dateigrenzen &festlegen"), "Dateigrenzen", {}, [this] { BereichfestlegenClick(true); });
    AddAction(edit, QStringLiteral("Meldungen &hinzufügen"), "Meldunghinzufuegen", {}, [this] { MeldunghinzufuegenClick(); });
    AddAction(edit, QStringLiteral("Meldungen e&ntfernen"), "MeldungEntfernen", {}, [this] { MeldungEntfernenClick(); });
    connect(edit, &QMenu::aboutToShow, this, [this] { PopupMenu1Popup(); });

    QMenu* search = bar->addMenu(QStringLiteral("&Suchen"));
    search->setObjectName("Suchen");
    AddAction(search, QStringLiteral("Suchbedingung eintragen"), "Suchbedingung", {}, [this] { SuchbedingungClick(); })
        ->setCheckable(true);
    AddAction(search, QStringLiteral("Ereignis suchen"), "Pegelsuchen", {}, [this] { PegelsuchenClick(); });
    QMenu* view = bar->addMenu(QStringLiteral("&Ansicht"));
    QAction* zoomIn = AddAction(view, QStringLiteral("Zoom &In"), "ZoomIn", QKeySequence(Qt::CTRL | Qt::Key_I), [this] { ZoomInClick(); });
    QAction* zoomOut = AddAction(view, QStringLiteral("Zoom &Out"), "ZoomOut", QKeySequence(Qt::CTRL | Qt::Key_O), [this] { ZoomOutClick(); });
    AddAction(view, QStringLiteral("&Takt"), "Takt1", QKeySequence(Qt::CTRL | Qt::Key_T), [] {})->setCheckable(true);
    AddAction(view, QStringLiteral("St&art/Stop"), "StartStop1", QKeySequence(Qt::CTRL | Qt::Key_P), [] {});
    AddAction(view, QStringLiteral("&Raster"), "Raster1", QKeySequence(Qt::CTRL | Qt::Key_R), [this] { Raster1Click(); })
        ->setCheckable(true);
    AddAction(view, QStringLiteral("Teilung horizontal"), "TeilungHorizontal1", {}, [this] { TeilungHorizontal1Click(); })
        ->setCheckable(true);
    AddAction(view, QStringLiteral("Teilung vertikal"), "TeilungVertikal1", {}, [this] { TeilungVertikal1Click(); })
        ->setCheckable(true);
    AddAction(view, QStringLiteral("Meldungen auswählen..."), "AuswahlMeldung", {}, [this] { AuswahlMeldungClick(); });

    view->setObjectName("Ansicht");
    QMenu* help = bar->addMenu(QStringLiteral("&?"));
    // Any menu closes the condition list.
    for (QMenu* menu : {datei, edit, search, view, help})
        connect(menu, &QMenu::aboutToShow, conditionCells_->List(), &QWidget::hide);
    AddAction(help, QStringLiteral("&Hilfe"), "Hilfe1", {}, [this] {
        if (showHelp) showHelp(kFileModeHelpContext);
    });

    // The diagram's pop-up menu repeats entries of "Ansicht" and "Bearbeiten".
    popup_ = new QMenu(this);
    popup_->addAction(zoomIn);
    popup_->addAction(zoomOut);
    for (QAction* action : {range, create, remove, shift, begin}) popup_->addAction(action);
    AddAction(popup_, QStringLiteral("&Ende des Ereignisses setzen "), "BereichEnde2", {}, [this] { BereichEnde1Click(); });
    AddAction(popup_, QStringLiteral("&Info Ereignisdauer"), "InfoMeldungsdauer", {}, [this] { InfoMeldungsdauerClick(); });
    connect(popup_, &QMenu::aboutToShow, this, [this] { PopupMenu1Popup(); });
}

void TFormAnalyser::BuildBottom(QLayout* layout) {
    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(6);
    divisions_ = new QComboBox;
    divisions_->setObjectName("Einteilung");
    for (int d = kCoarsestDivision; d <= kFinestDivision; ++d) divisions_->addItem(FromCore(DivisionListEntry(d)));
    connect(divisions_, &QComboBox::activated, this, [this](int index) { DivisionChosen(index + 1); });
    bottom->addWidget(divisions_);
    for (const auto& [date, time] : {std::pair{"LinksDatum", "LinksZeit"}, std::pair{"CursorDatum", "CursorZeit"},
                                     std::pair{"RechtsDatum", "RechtsZeit"}}) {
        auto* pair = new QVBoxLayout;
        pair->setSpacing(0);
        pair->addWidget(NamedLabel(date));
        pair->addWidget(NamedLabel(time));
        bottom->addLayout(pair, 1);
    }
    static_cast<QBoxLayout*>(layout)->addLayout(bottom);

    scrollBar_ = new QScrollBar(Qt::Horizontal);
    scrollBar_->setObjectName("Zeitachse");
    scrollBar_->setSingleStep(1);
    connect(scrollBar_, &QScrollBar::actionTriggered, this, [this](int action) {
        switch (action) {
            case QAbstractSlider::SliderSingleStepSub: Scrolled(ScrollAction::LineUp, 0); break;
            case QAbstractSlider::SliderSingleStepAdd: Scrolled(ScrollAction::LineDown, 0); break;
            case QAbstractSlider::SliderPageStepSub: Scrolled(ScrollAction::PageUp, 0); break;
            case QAbstractSlider::SliderPageStepAdd: Scrolled(ScrollAction::PageDown, 0); break;
            case QAbstractSlider::SliderMove: Scrolled(ScrollAction::Track, scrollBar_->sliderPosition()); break;
            default: UpdateScrollBar(); break;
        }
    });
    connect(scrollBar_, &QScrollBar::sliderReleased, this,
            [this] { Scrolled(ScrollAction::Position, scrollBar_->sliderPosition()); });
    layout->addWidget(scrollBar_);
}

QAction* TFormAnalyser::Action(const char* objectName) const { return findChild<QAction*>(objectName); }

QLabel* TFormAnalyser::Label(const char* objectName) const { return findChild<QLabel*>(objectName); }

bool TFormAnalyser::OpenFile(AnalyserRows rows, bool outputFolder, const std::optional<AnalyserPlace>& place) {
    outputFolder_ = outputFolder;
    const bool opened = place ? model_.Reopen(recording_, std::move(rows), *place)
                              : model_.Open(recording_, std::move(rows), kNormalColumns);
    if (!opened) return false;
    setWindowTitle(QString::fromUtf8(FileModeCaption(recording_.FileName())));
    divisions_->setCurrentIndex(model_.Division() - 1);
    diagram_->SetRows(model_.Rows().DiagramRows());
    names_->Refresh();
    scale_->Set(AnalyserNames::kWidth - 2, model_.Columns());
    drawnCursor_ = 0;
    Repaint(true);
    UpdateLabels();
    UpdateMenus();
    UpdateScrollBar();
    names_->setFocus();
    return true;
}

void TFormAnalyser::ApplyWindowState(bool maximised, int screenWidth) {
    if (maximised) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        setFixedSize(kNormalWidth, kNormalHeight);
    }
    const int columns = ColumnsForWindow(maximised, screenWidth);
    if (columns == model_.Columns()) return;
    model_.SetColumns(columns);
    scale_->Set(AnalyserNames::kWidth - 2, columns);
    Repaint(true);
    UpdateLabels();
}

void TFormAnalyser::Repaint(bool full) {
    diagram_->DrawCells(model_, model_.TakeCellsToDraw(full), look_);
    if (drawnCursor_ != model_.Cursor()) {
        if (!full) diagram_->DrawColumn(model_, drawnCursor_, false, look_);
        diagram_->DrawColumn(model_, model_.Cursor(), true, look_);
        drawnCursor_ = model_.Cursor();
    }
    if (full) diagram_->DrawRaster(look_);
}

void TFormAnalyser::UpdateLabels() {
    const AnalyserView& view = model_.View();
    const TTimeStamp cursor = model_.CursorTime();
    Label("LinksDatum")->setText(QString::fromStdString(DateLabel(view.left)));
    Label("LinksZeit")->setText(QString::fromStdString(TimeLabel(view.left)));
    Label("CursorDatum")->setText(QString::fromStdString(DateLabel(cursor)));
    Label("CursorZeit")->setText(QString::fromStdString(TimeLabel(cursor)));
    Label("RechtsDatum")->setText(QString::fromStdString(DateLabel(view.right)));
    Label("RechtsZeit")->setText(QString::fromStdString(TimeLabel(view.right)));
}

void TFormAnalyser::UpdateMenus() {
    const AnalyserFileMenu menu = FileModeMenu(outputFolder_, model_.Rows().Count(), model_.Division(), conditions_.Shown());
    Action("Speichern")->setEnabled(menu.speichern);
    Action("Drucken")->setEnabled(menu.drucken);
    Action("Exportieren")->setEnabled(menu.exportieren);
    findChild<QMenu*>("Bearbeiten")->setEnabled(menu.bearbeiten);
    findChild<QMenu*>("Suchen")->setEnabled(menu.suchen);
    Action("Pegelsuchen")->setEnabled(menu.ereignisSuchen);
    Action("Suchbedingung")->setChecked(conditions_.Shown());
    Action("ZoomIn")->setEnabled(menu.zoomIn);
    Action("ZoomOut")->setEnabled(menu.zoomOut);
    Action("Takt1")->setEnabled(menu.takt);
    Action("StartStop1")->setEnabled(menu.startStop);
    PopupMenu1Popup();
}

void TFormAnalyser::DruckenClick() {
    if (onPrint) onPrint();
}

AnalyserPrintPicture TFormAnalyser::PrintPicture() const {
    const int firstRow = rowArea_->verticalScrollBar()->value() / kRowPitch + 1;
    return BuildAnalyserPrintPicture(recording_.Events(), model_.Rows(), firstRow, model_.View());
}

std::optional<ExportTarget> TFormAnalyser::ExportFileDialog() {
    const QString filters = QString::fromUtf8(kExportFilters[0]) + ";;" + QString::fromUtf8(kExportFilters[1]);
    QString chosenFilter;
    const QString file = QFileDialog::getSaveFileName(this, QStringLiteral("Exportieren"), QString(), filters, &chosenFilter);
    if (file.isEmpty()) return std::nullopt;
    const int filterIndex = chosenFilter == QString::fromUtf8(kExportFilters[1]) ? 1 : 0;
    return ExportTargetFor(std::filesystem::path(file.toStdString()), filterIndex);  // file names are UTF-8
}

void TFormAnalyser::ExportierenClick() {
    const auto target = chooseExportFile ? chooseExportFile() : ExportFileDialog();
    if (!target) return;
    if (const auto error = ExportRecordingFile(target->file, recording_, model_.Rows(), target->format))
        dialogs_.Error(*error);
}

void TFormAnalyser::PopupMenu1Popup() {
    editContext_ = EditContextAt(model_, recording_, outputFolder_);
    const AnalyserEditMenu& m = editContext_.menu;
    const bool editable = FileModeMenu(outputFolder_, model_.Rows().Count(), model_.Division(), false).bearbeiten;
    const std::pair<const char*, bool> entries[] = {
        {"Bereichfestlegen", m.bereich}, {"Pegelerzeugen", m.erzeugen},     {"Pegelloeschen", m.loeschen},
        {"Pegelverschieben", m.verschieben}, {"BereichAnfang1", m.anfang},  {"BereichEnde1", m.ende},
        {"BereichEnde2", m.ende},         {"Dateigrenzen", m.grenzen},      {"Meldunghinzufuegen", m.hinzufuegen},
        {"MeldungEntfernen", m.entfernen}};
    for (const auto& [name, enabled] : entries) Action(name)->setEnabled(editable && enabled);
    Action("InfoMeldungsdauer")->setEnabled(m.info);
    RueckEnable();
}

void TFormAnalyser::RueckEnable() {
    Action("Rueckgaengig")->setEnabled(undo_->CanUndo());
}

void TFormAnalyser::RunEdit(EditCommand command) {
    PopupMenu1Popup();
    if (RunEditCommand(command, recording_, *undo_, editContext_, model_.Division(), dialogs_)) RecordsChanged();
    RueckEnable();
}

void TFormAnalyser::RecordsChanged() {
    model_.RecordsChanged();
    Repaint(false);
    UpdateLabels();
    UpdateScrollBar();
    PopupMenu1Popup();
}

void TFormAnalyser::RueckgaengigClick() {
    if (undo_->Undo(recording_)) RecordsChanged();
    RueckEnable();
}

void TFormAnalyser::InfoMeldungsdauerClick() {
    PopupMenu1Popup();
    ShowPeriodDuration(recording_, editContext_, dialogs_);
}

TFormZeitintervall* TFormAnalyser::TimeRangeDialog() const { return findChild<TFormZeitintervall*>(); }

void TFormAnalyser::BereichfestlegenClick(bool fileLimits) {
    PopupMenu1Popup();
    if (!Action(fileLimits ? "Dateigrenzen" : "Bereichfestlegen")->isEnabled()) return;
    if (TFormZeitintervall* open = TimeRangeDialog()) open->close();
    undo_->Snapshot(recording_);
    RueckEnable();
    std::vector<int> messages;
    std::vector<std::string> names;
    if (!fileLimits) {
        for (int row : editContext_.rows) names.push_back(ToUtf8(model_.Rows().Name(row)));
        if (editContext_.rows.empty() && model_.Rows().Count() > 0) {
            model_.Marks().Click(1);
            names_->update();
            PopupMenu1Popup();
        }
        for (int row : editContext_.rows) messages.push_back(model_.Rows().Message(row));
    }
    const auto mode = fileLimits ? TFormZeitintervall::Mode::FileLimits : TFormZeitintervall::Mode::EventRange;
    auto* dialog = new TFormZeitintervall(mode, recording_, dialogs_, std::move(messages), EventRangeCaption(names), this);
    dialog->onApplied = [this] { RecordsChanged(); };
    dialog->showHelp = showHelp;
    dialog->move(mapToGlobal(QPoint(150, 43)));
    dialog->show();
    dialog->activateWindow();
}

void TFormAnalyser::ShowConditionColumn(bool shown) {
    if (shown)
        conditions_.Show(model_.Rows().Count());
    else
        conditions_.Hide();
    conditionCells_->List()->hide();
    conditionCells_->SetRows(model_.Rows().DiagramRows());
    conditionCells_->setVisible(shown);
    names_->SetWidth(shown ? AnalyserNames::kWidth - AnalyserConditions::kWidth : AnalyserNames::kWidth);
    rowArea_->widget()->adjustSize();
    UpdateMenus();
}

void TFormAnalyser::SuchbedingungClick() { ShowConditionColumn(Action("Suchbedingung")->isChecked()); }

void TFormAnalyser::PegelsuchenClick() {
    if (!Action("Pegelsuchen")->isEnabled()) return;
    RunSearch(recording_, conditions_.Conditions(model_.Rows()), dialogs_, [this](const TTimeStamp& found) {
        model_.ShowAtCursor(found);
        Repaint(false);
        UpdateLabels();
        UpdateScrollBar();
        PopupMenu1Popup();
    });
}

void TFormAnalyser::UpdateScrollBar() {
    const QSignalBlocker block(scrollBar_);
    const ScrollRange range = model_.ScrollBarRange();
    scrollBar_->setRange(range.minimum, range.maximum);
    scrollBar_->setSliderPosition(model_.ScrollPosition());
    scrollBar_->setValue(model_.ScrollPosition());
}

void TFormAnalyser::SpeichernClick() {
    if (!Action("Speichern")->isEnabled()) return;
    SaveAnalyserFile(recording_, *undo_, dialogs_);
    RueckEnable();
}

void TFormAnalyser::ZoomInClick() {
    if (!Action("ZoomIn")->isEnabled() || !model_.ZoomIn()) return;
    divisions_->setCurrentIndex(model_.Division() - 1);
    Repaint(true);
    UpdateLabels();
    UpdateMenus();
    UpdateScrollBar();
}

void TFormAnalyser::ZoomOutClick() {
    if (Action("ZoomOut")->isEnabled()) DivisionChosen(model_.Division() - 1);
}

void TFormAnalyser::DivisionChosen(int division) {
    if (model_.ChooseDivision(division)) {
        Repaint(true);
        UpdateLabels();
        UpdateMenus();
        UpdateScrollBar();
    }
    divisions_->setCurrentIndex(model_.Division() - 1);
}

void TFormAnalyser::Scrolled(ScrollAction action, int position) {
    if (model_.Scroll(action, position)) {
        Repaint(false);
        UpdateLabels();
        PopupMenu1Popup();
    }
    UpdateScrollBar();
}

void TFormAnalyser::DiagramClicked(QPoint at) {
    const auto former = model_.ClickDiagram(at.x(), at.y());
    names_->update();
    PopupMenu1Popup();
    if (!former) return;
    diagram_->DrawColumn(model_, *former, false, look_);
    diagram_->DrawColumn(model_, model_.Cursor(), true, look_);
    drawnCursor_ = model_.Cursor();
    UpdateLabels();
    PopupMenu1Popup();
}

void TFormAnalyser::Raster1Click() {
    look_.raster = Action("Raster1")->isChecked();
    look_.teilungHorizontal = look_.teilungVertikal = false;
    Action("TeilungHorizontal1")->setChecked(false);
    Action("TeilungVertikal1")->setChecked(false);
    drawnCursor_ = 0;
    Repaint(true);
}

void TFormAnalyser::TeilungHorizontal1Click() {
    look_.teilungHorizontal = Action("TeilungHorizontal1")->isChecked();
    drawnCursor_ = 0;
    Repaint(true);
}

void TFormAnalyser::TeilungVertikal1Click() {
    look_.teilungVertikal = Action("TeilungVertikal1")->isChecked();
    drawnCursor_ = 0;
    Repaint(true);
}

void TFormAnalyser::AuswahlMeldungClick() {
    if (onSelectMessages) onSelectMessages();
}

void TFormAnalyser::closeEvent(QCloseEvent* event) {
    if (!MayCloseAnalyser(recording_, *undo_, dialogs_)) {
        event->ignore();
        return;
    }
    event->accept();
    if (onClosed) onClosed();
}

void TFormAnalyser::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && screen())
        ApplyWindowState(isMaximized(), screen()->geometry().width());
}

}  // namespace ovis::gui
