#include "evaluation/gui/Zel_Statistik.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDateEdit>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "evaluation/folder_rows.h"
#include "evaluation/gui/Zel_Auswahl.h"
#include "evaluation/gui/statistics_chart.h"
#include "evaluation/selection_dialog_model.h"
#include "evaluation/statistics_table.h"
#include "platform/gui/text_conversion.h"
#include "records/io_error.h"

namespace ovis::gui {
namespace {

constexpr const char* kTabTitles[kStatisticsTabs] = {"Meldung", "Zeitraum", "Tageszeit", "Ereignisdauer"};
constexpr const char* kAxisTitles[kStatisticsTabs] = {"Nummer der Meldung", "Nummer des Zeitraumes",
                                                      "Nummer der Tageszeit", "Nummer der Dauer"};
constexpr const char* kDateFormat = "dd.MM.yyyy";
constexpr const char* kTimeFormat = "HH:mm:ss";
constexpr const char* kSaveQuestion = "Möchten Sie die Änderungen speichern?";
constexpr int kChartRows = 16;
constexpr int kCategoryColumn = 1;

QString CategoryTitle(StatisticsTab tab, DurationUnit unit) {
    if (tab == StatisticsTab::Ereignisdauer)
        return unit == DurationUnit::Milliseconds ? QStringLiteral("Dauer (MSek)") : QStringLiteral("Dauer (Sek)");
    return kTabTitles[TabIndex(tab)];
}

QString DurationCaptionText(DurationUnit unit) {
    return unit == DurationUnit::Milliseconds ? QStringLiteral("Dauer (MSek):") : QStringLiteral("Dauer (Sek):");
}

std::string Text(const QDateEdit* field) { return field->date().toString(kDateFormat).toStdString(); }
std::string Text(const QTimeEdit* field) { return field->time().toString(kTimeFormat).toStdString(); }
std::string Text(const QLineEdit* field) { return field->text().toStdString(); }

void SetDate(QDateEdit* field, std::string_view text) {
    const QDate date = QDate::fromString(QString::fromLatin1(text.data(), qsizetype(text.size())), kDateFormat);
    if (date.isValid()) field->setDate(date);
}

void SetTime(QTimeEdit* field, std::string_view text) {
    const QTime time = QTime::fromString(QString::fromLatin1(text.data(), qsizetype(text.size())), kTimeFormat);
    if (time.isValid()) field->setTime(time);
}

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(alignment);
    return item;
}

}  // namespace

TFormStatistik::TFormStatistik(ProjectTables& tables, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), tables_(tables), dialogs_(dialogs), recording_(std::make_unique<TRecording>()) {
    setObjectName("FormStatistik");
    resize(760, 560);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    BuildMenus();
    tabs_ = new QTabWidget(this);
    for (int tab = 0; tab < kStatisticsTabs; ++tab) tabs_->addTab(BuildPage(tab), kTabTitles[tab]);
    layout->setMenuBar(findChild<QMenuBar*>());
    layout->addWidget(tabs_);
    connect(tabs_, &QTabWidget::currentChanged, this, [this] {
        CloseEntryEditor();
        Refresh();
    });
}

TFormStatistik::~TFormStatistik() = default;

void TFormStatistik::BuildMenus() {
    auto* bar = new QMenuBar(this);
    auto add = [this](QMenu* menu, const char* name, const QString& text, void (TFormStatistik::*slot)()) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    dateiMenu_ = bar->addMenu("&Datei");
    add(dateiMenu_, "Speichern", "&Speichern", &TFormStatistik::SpeichernClick)->setShortcut(QKeySequence("Ctrl+S"));
    // Printing comes with the reports.
    QAction* drucken = dateiMenu_->addAction("&Drucken...");
    drucken->setObjectName("Drucken");
    connect(drucken, &QAction::triggered, this, [this] {
        if (onPrint) onPrint();
    });
    QAction* schliessen = dateiMenu_->addAction("S&chließen");
    schliessen->setObjectName("Schliessen");
    connect(schliessen, &QAction::triggered, this, &QWidget::close);

    bearbeitenMenu_ = bar->addMenu("&Bearbeiten");
    add(bearbeitenMenu_, "Berechnen", "&Berechnen", &TFormStatistik::BerechnenClick)->setShortcut(QKeySequence("Ctrl+B"));
    add(bearbeitenMenu_, "MeldungenAuswaehlen", QString::fromUtf8("Meldungen auswählen..."),
        &TFormStatistik::MeldungenAuswaehlenClick);
    add(bearbeitenMenu_, "NeuerEintrag", "Neuer Eintrag", &TFormStatistik::NeuerEintragClick);
    add(bearbeitenMenu_, "EintragLoeschen", QString::fromUtf8("Eintrag löschen"), &TFormStatistik::EintragLoeschenClick);

    QMenu* zeit = bar->addMenu("&Zeitangabe");
    auto* units = new QActionGroup(this);
    QAction* sekunden = add(zeit, "Sekunden", "Zeitdauer in Sekunden", &TFormStatistik::SekundenClick);
    QAction* millis = add(zeit, "Millisekunden", "Zeitdauer in Millisekunden", &TFormStatistik::MillisekundenClick);
    for (QAction* a : {sekunden, millis}) {
        a->setCheckable(true);
        units->addAction(a);
    }
    sekunden->setChecked(true);

    QMenu* help = bar->addMenu("&?");
    QAction* hilfe = help->addAction("&Hilfe");
    hilfe->setObjectName("Hilfe");
    connect(hilfe, &QAction::triggered, this, [this] {
        if (showHelp) showHelp(kHelpContext);
    });

    for (QMenu* menu : {dateiMenu_, bearbeitenMenu_}) {
        connect(menu, &QMenu::aboutToShow, this, [this] {
            CommitFocusedFilter();
            UpdateMenus();
        });
    }
}

QWidget* TFormStatistik::BuildPage(int tab) {
    Page& page = pages_[std::size_t(tab)];
    auto* widget = new QWidget;
    auto* grid = new QGridLayout(widget);

    page.table = new QTableWidget(kStatisticsEntries, 4, widget);
    page.table->setHorizontalHeaderLabels({"Nr", CategoryTitle(StatisticsTab(tab), unit_), "Anzahl", "%"});
    page.table->verticalHeader()->hide();
    page.table->setSelectionBehavior(QAbstractItemView::SelectRows);
    page.table->setSelectionMode(QAbstractItemView::SingleSelection);
    page.table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    page.table->setColumnWidth(0, 40);
    page.table->setColumnWidth(1, 210);
    page.table->setColumnWidth(2, 60);
    page.table->setColumnWidth(3, 50);
    page.table->setMinimumWidth(385);
    page.table->viewport()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(page.table->viewport(), &QWidget::customContextMenuRequested, this, [this, &page](const QPoint& pos) {
        if (page.table->columnAt(pos.x()) != kCategoryColumn) return;
        const int row = page.table->rowAt(pos.y());
        if (row < 0) return;
        OpenEntryEditor(row, pos.x() + page.table->viewport()->x());
    });
    connect(page.table, &QTableWidget::currentCellChanged, this, [this] { UpdateMenus(); });
    if (tab == 0)
        connect(page.table->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { ShowChart(0); });
    grid->addWidget(page.table, 0, 0, 2, 1);

    auto* filters = new QGridLayout;
    filters->addWidget(new QLabel("von"), 0, 1);
    filters->addWidget(new QLabel("bis"), 0, 2);
    filters->addWidget(new QLabel("Zeitraum:"), 1, 0);
    filters->addWidget(new QLabel("Tageszeit:"), 2, 0);
    page.durationCaption = new QLabel(DurationCaptionText(unit_));
    filters->addWidget(page.durationCaption, 3, 0);
    for (int half = 0; half < 2; ++half) {
        page.date[half] = new QDateEdit;
        page.date[half]->setDisplayFormat(kDateFormat);
        page.date[half]->setCalendarPopup(true);
        page.time[half] = new QTimeEdit;
        page.time[half]->setDisplayFormat(kTimeFormat);
        page.duration[half] = new QLineEdit;
        page.duration[half]->setMaxLength(6);
        page.duration[half]->setValidator(
            new QRegularExpressionValidator(QRegularExpression("[0-9]{0,6}"), page.duration[half]));
        filters->addWidget(page.date[half], 1, half + 1);
        filters->addWidget(page.time[half], 2, half + 1);
        filters->addWidget(page.duration[half], 3, half + 1);
        connect(page.date[half], &QDateEdit::editingFinished, this, [this] { FilterLeft(StatisticsFilter::Date); });
        connect(page.time[half], &QTimeEdit::editingFinished, this, [this] { FilterLeft(StatisticsFilter::Time); });
        connect(page.duration[half], &QLineEdit::editingFinished, this,
                [this] { FilterLeft(StatisticsFilter::Duration); });
    }
    grid->addLayout(filters, 0, 1);

    auto* totals = new QGridLayout;
    for (int k = 0; k < 6; ++k) {
        totals->addWidget(new QLabel(QString::fromUtf8(kStatisticsTotalsLabels[std::size_t(k)])), k, 0);
        page.totals[std::size_t(k)] = new QLabel;
        page.totals[std::size_t(k)]->setMinimumWidth(130);
        totals->addWidget(page.totals[std::size_t(k)], k, 1);
        if (k >= 3) totals->addWidget(new QLabel("Sekunden"), k, 2);
    }
    grid->addLayout(totals, 1, 1);

    page.chart = new StatisticsChart(widget);
    grid->addWidget(page.chart, 2, 0, 1, 2);
    grid->setRowStretch(1, 3);
    grid->setRowStretch(2, 2);
    return widget;
}

QDateEdit* TFormStatistik::DateField(int tab, EntryHalf half) const {
    return pages_[std::size_t(tab)].date[half == EntryHalf::Von ? 0 : 1];
}
QTimeEdit* TFormStatistik::TimeField(int tab, EntryHalf half) const {
    return pages_[std::size_t(tab)].time[half == EntryHalf::Von ? 0 : 1];
}
QLineEdit* TFormStatistik::DurationField(int tab, EntryHalf half) const {
    return pages_[std::size_t(tab)].duration[half == EntryHalf::Von ? 0 : 1];
}

QAction* TFormStatistik::Action(const char* objectName) const { return findChild<QAction*>(objectName); }

StatisticsTab TFormStatistik::CurrentTab() const { return StatisticsTab(std::max(tabs_->currentIndex(), 0)); }

const StatisticsResult* TFormStatistik::Result(StatisticsTab tab) const {
    const auto& result = results_[std::size_t(TabIndex(tab))];
    return result ? &*result : nullptr;
}

bool TFormStatistik::OpenFile(int folder, const std::filesystem::path& file, const std::filesystem::path& projectDir,
                              const std::string& fileDate) {
    CloseEntryEditor();
    try {
        recording_->LoadFile(file);
    } catch (const IoError& e) {
        dialogs_.Error(e.what());
        return false;
    }
    folder_ = folder;
    file_ = file;
    projectDir_ = projectDir;
    fileDate_ = fileDate;
    try {
        settings_.Load(projectDir, fileDate);
    } catch (const IoError& e) {
        dialogs_.Error(e.what());
    }
    results_ = {};
    LoadShownMessages();
    setWindowTitle("Statistik     Datei : " + FromFileName(recording_->FileName()));
    tabs_->setCurrentIndex(0);
    Refresh();
    return true;
}

void TFormStatistik::LoadShownMessages() {
    const AnalyserRows rows = FolderRows(tables_, folder_);
    messages_.clear();
    names_.clear();
    for (int r = 1; r <= rows.Count(); ++r) {
        messages_.push_back(rows.Message(r));
        names_.push_back(rows.Name(r));
    }
}

void TFormStatistik::Refresh() {
    for (int tab = 0; tab < kStatisticsTabs; ++tab) ShowTable(tab);
    ShowFilters();
    UpdateMenus();
}

void TFormStatistik::ShowTable(int tab) {
    Page& page = pages_[std::size_t(tab)];
    const auto statisticsTab = StatisticsTab(tab);
    const StatisticsResult* result = results_[std::size_t(tab)] ? &*results_[std::size_t(tab)] : nullptr;
    const auto rows = StatisticsRows(settings_.Record(), statisticsTab, names_, result);
    page.table->horizontalHeaderItem(kCategoryColumn)->setText(CategoryTitle(statisticsTab, unit_));
    page.durationCaption->setText(DurationCaptionText(unit_));
    page.table->setRowCount(StatisticsTableRowCount(rows.size()));
    for (int r = 0; r < page.table->rowCount(); ++r) {
        const bool used = r < int(rows.size());
        const StatisticsRowTexts empty;
        const StatisticsRowTexts& row = used ? rows[std::size_t(r)] : empty;
        page.table->setItem(r, 0, Cell(used ? QString::fromStdString(row.number) : QString()));
        page.table->setItem(r, 1, Cell(FromRecord(row.category)));
        page.table->setItem(r, 2, Cell(QString::fromStdString(row.count), Qt::AlignRight | Qt::AlignVCenter));
        page.table->setItem(r, 3, Cell(QString::fromStdString(row.percent), Qt::AlignRight | Qt::AlignVCenter));
    }
    const auto totals = result ? StatisticsTotals(*result) : std::array<std::string, 6>{};
    for (std::size_t k = 0; k < totals.size(); ++k) page.totals[k]->setText(QString::fromStdString(totals[k]));
    ShowChart(tab);
}

void TFormStatistik::ShowChart(int tab) {
    Page& page = pages_[std::size_t(tab)];
    const StatisticsResult* result = results_[std::size_t(tab)] ? &*results_[std::size_t(tab)] : nullptr;
    const int rowsWithCategory =
        tab == 0 ? int(messages_.size()) : EntryCount(settings_.Record(), StatisticsTab(tab));
    const int top = tab == 0 ? std::max(page.table->rowAt(0), 0) : 0;
    const bool counted = result && int(result->counts.size()) == rowsWithCategory;
    std::vector<StatisticsBar> bars;
    for (int r = top; r < std::min(rowsWithCategory, top + kChartRows); ++r) {
        const double percent =
            counted && result->total > 0 ? result->counts[std::size_t(r)] * 100.0 / result->total : 0.0;
        bars.push_back({QString::fromStdString(StatisticsRowNumber(r)), percent});
    }
    page.chart->SetBars(std::move(bars), kAxisTitles[tab]);
}

void TFormStatistik::ShowFilters() {
    const TStatistikRecord& record = settings_.Record();
    for (Page& page : pages_) {
        SetDate(page.date[0], FilterVon(record, StatisticsFilter::Date));
        SetDate(page.date[1], FilterBis(record, StatisticsFilter::Date));
        SetTime(page.time[0], FilterVon(record, StatisticsFilter::Time));
        SetTime(page.time[1], FilterBis(record, StatisticsFilter::Time));
        page.duration[0]->setText(QString::fromStdString(std::string(FilterVon(record, StatisticsFilter::Duration))));
        page.duration[1]->setText(QString::fromStdString(std::string(FilterBis(record, StatisticsFilter::Duration))));
    }
}

void TFormStatistik::UpdateMenus() {
    const StatisticsTab tab = CurrentTab();
    const StatisticsMenuState state = StatisticsMenus(settings_.Record(), tab, int(messages_.size()),
                                                      pages_[std::size_t(tab)].table->currentRow(),
                                                      Result(tab) != nullptr);
    Action("Berechnen")->setEnabled(state.compute);
    Action("Drucken")->setEnabled(state.print);
    Action("MeldungenAuswaehlen")->setVisible(state.selectMessages);
    QAction* neu = Action("NeuerEintrag");
    QAction* loeschen = Action("EintragLoeschen");
    neu->setVisible(state.entryItemsVisible);
    loeschen->setVisible(state.entryItemsVisible);
    neu->setEnabled(state.newEntry);
    loeschen->setEnabled(state.deleteEntry);
    neu->setText(QString::fromUtf8(state.newEntryCaption));
    loeschen->setText(QString::fromUtf8(state.deleteEntryCaption));
}

void TFormStatistik::CommitFocusedFilter() {
    const Page& page = CurrentPage();
    const QWidget* focus = QApplication::focusWidget();
    if (!focus) return;
    for (int half = 0; half < 2; ++half) {
        if (focus == page.date[half] || page.date[half]->isAncestorOf(focus)) FilterLeft(StatisticsFilter::Date);
        if (focus == page.time[half] || page.time[half]->isAncestorOf(focus)) FilterLeft(StatisticsFilter::Time);
        if (focus == page.duration[half]) FilterLeft(StatisticsFilter::Duration);
    }
}

void TFormStatistik::FilterLeft(StatisticsFilter filter) {
    if (inFilterEdit_) return;
    inFilterEdit_ = true;
    const Page& page = CurrentPage();
    std::string von, bis;
    switch (filter) {
        case StatisticsFilter::Date: von = Text(page.date[0]), bis = Text(page.date[1]); break;
        case StatisticsFilter::Time: von = Text(page.time[0]), bis = Text(page.time[1]); break;
        case StatisticsFilter::Duration: von = Text(page.duration[0]), bis = Text(page.duration[1]); break;
    }
    const FilterEdit edit = SetFilter(settings_.Record(), filter, von, bis);
    if (!edit.refusal.empty()) dialogs_.Warning(edit.refusal);
    ShowFilters();
    inFilterEdit_ = false;
}

void TFormStatistik::SetUnit(DurationUnit unit) {
    unit_ = unit;
    Action(unit == DurationUnit::Seconds ? "Sekunden" : "Millisekunden")->setChecked(true);
    Refresh();
}

void TFormStatistik::SpeichernClick() {
    CommitFocusedFilter();
    try {
        settings_.Save(projectDir_);
    } catch (const IoError& e) {
        dialogs_.Error(e.what());
    }
    Refresh();
}

void TFormStatistik::BerechnenClick() {
    CommitFocusedFilter();
    CloseEntryEditor();
    const StatisticsTab tab = CurrentTab();
    if (!StatisticsMenus(settings_.Record(), tab, int(messages_.size()), -1, false).compute) return;
    if (const auto wrong = FindWrongEntry(settings_.Record(), tab)) {
        dialogs_.Warning(wrong->message);
        RepairWrongEntry(settings_.Record(), tab, wrong->entry);
        Refresh();
        OpenEntryEditor(wrong->entry, kEntryVonWidth + 1);
        return;
    }
    results_[std::size_t(tab)] = ComputeStatistics(recording_->Events(), settings_.Record(), tab, unit_, messages_);
    Refresh();
}

void TFormStatistik::MeldungenAuswaehlenClick() {
    auto model = SelectionDialogModel::ForFolder(SelectionCaller::Statistik, FolderMessageNames(tables_, folder_),
                                                 tables_.selection.Folder(folder_));
    TFormAuswahl* dialog = OpenFolderSelection(std::move(model), dialogs_, this);
    dialog->showHelp = showHelp;
    dialog->onAccept = [this](const SelectionDialogModel& chosen) {
        chosen.AcceptInto(tables_.selection.Folder(folder_));
        try {
            tables_.selection.Save(projectDir_);
        } catch (const IoError& e) {
            dialogs_.Error(e.what());
        }
        results_ = {};
        LoadShownMessages();
        Refresh();
    };
}

void TFormStatistik::NeuerEintragClick() {
    CloseEntryEditor();
    const StatisticsTab tab = CurrentTab();
    if (!AddEntry(settings_.Record(), tab, fileDate_)) return;
    results_[std::size_t(tab)].reset();
    Refresh();
}

void TFormStatistik::EintragLoeschenClick() {
    CloseEntryEditor();
    const StatisticsTab tab = CurrentTab();
    if (!DeleteEntry(settings_.Record(), tab, CurrentPage().table->currentRow())) return;
    results_[std::size_t(tab)].reset();
    Refresh();
}

void TFormStatistik::OpenEntryEditor(int row, int x) {
    CloseEntryEditor();
    const StatisticsTab tab = CurrentTab();
    editTarget_ = EntryEditTargetAt(settings_.Record(), tab, row, x);
    if (!editTarget_) return;
    QTableWidget* table = CurrentPage().table;
    const std::string text = EntryEditText(settings_.Record(), tab, *editTarget_, fileDate_);
    switch (tab) {
        case StatisticsTab::Zeitraum: {
            auto* field = new QDateEdit(table->viewport());
            field->setDisplayFormat(kDateFormat);
            SetDate(field, text);
            connect(field, &QDateEdit::editingFinished, this, &TFormStatistik::FinishEntryEditor);
            editor_ = field;
            break;
        }
        case StatisticsTab::Tageszeit: {
            auto* field = new QTimeEdit(table->viewport());
            field->setDisplayFormat(kTimeFormat);
            SetTime(field, text);
            connect(field, &QTimeEdit::editingFinished, this, &TFormStatistik::FinishEntryEditor);
            editor_ = field;
            break;
        }
        case StatisticsTab::Ereignisdauer: {
            auto* field = new QLineEdit(QString::fromStdString(text), table->viewport());
            field->setMaxLength(6);
            field->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{1,6}"), field));
            connect(field, &QLineEdit::editingFinished, this, &TFormStatistik::FinishEntryEditor);
            editor_ = field;
            break;
        }
        case StatisticsTab::Meldung: return;
    }
    table->setCurrentCell(row, kCategoryColumn);
    const QRect cell = table->visualRect(table->model()->index(row, kCategoryColumn));
    editor_->setGeometry(cell.x(), cell.y(), cell.width(), std::max(cell.height(), editor_->sizeHint().height()));
    editor_->show();
    editor_->setFocus();
}

void TFormStatistik::FinishEntryEditor() {
    if (!editor_ || !editTarget_) return;
    std::string text;
    if (auto* date = qobject_cast<QDateEdit*>(editor_)) text = Text(date);
    else if (auto* time = qobject_cast<QTimeEdit*>(editor_)) text = Text(time);
    else if (auto* line = qobject_cast<QLineEdit*>(editor_)) text = Text(line);
    const StatisticsTab tab = CurrentTab();
    const EntryEditTarget target = *editTarget_;
    CloseEntryEditor();
    if (!FieldValue(tab, text, DurationUnit::Seconds)) return;
    StoreEntryEdit(settings_.Record(), tab, target, text);
    results_[std::size_t(tab)].reset();
    Refresh();
}

void TFormStatistik::CloseEntryEditor() {
    editTarget_.reset();
    if (!editor_) return;
    QWidget* editor = editor_;
    editor_ = nullptr;
    editor->hide();
    editor->deleteLater();
}

void TFormStatistik::closeEvent(QCloseEvent* event) {
    CommitFocusedFilter();
    FinishEntryEditor();
    if (settings_.Changed()) {
        switch (dialogs_.Show(BoxKind::Warning, kSaveQuestion, Buttons::YesNoCancel)) {
            case Answer::Yes:
                try {
                    settings_.Save(projectDir_);
                } catch (const IoError& e) {
                    dialogs_.Error(e.what());
                    event->ignore();
                    return;
                }
                break;
            case Answer::No:
                try {
                    settings_.Load(projectDir_, fileDate_);
                } catch (const IoError& e) {
                    dialogs_.Error(e.what());
                }
                break;
            default: event->ignore(); return;
        }
    }
    event->accept();
}

}  // namespace ovis::gui
