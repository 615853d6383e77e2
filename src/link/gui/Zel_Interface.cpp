#include "link/gui/Zel_Interface.h"

#include <QCloseEvent>
#include <QTreeWidgetItemIterator>
#include <algorithm>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "evaluation/day_file.h"
#include "evaluation/file_name_dialog.h"
#include "evaluation/folder_files.h"
#include "evaluation/folder_tree.h"
#include "link/gui/link_controller.h"
#include "link/unit_readout.h"
#include "platform/gui/text_conversion.h"
#include "project/program_files.h"
#include "project/project_names.h"
#include "project/project_store.h"
#include "platform/clock.h"
#include "records/codepage.h"
#include "records/typed_file.h"

namespace ovis::gui {
namespace {

constexpr int kMinRows = 13;
constexpr int kMaxRows = 64;
constexpr int kColumns = 4;
constexpr int kNodeIndexRole = Qt::UserRole;
enum Column { kDatei = 0, kBeginn = 1, kGroesse = 2, kGeaendert = 3 };

const char* Caption(EvaluationWindowMode mode) {
    switch (mode) {
        case EvaluationWindowMode::DataUnits: return "Datenauswertung  ( Interface - Units )";
        case EvaluationWindowMode::Analyser: return "Datenauswertung  ( Analyser )";
        case EvaluationWindowMode::Statistics: return "Datenauswertung  ( Statistik )";
        case EvaluationWindowMode::Video: return "Datenauswertung  ( Video )";
        case EvaluationWindowMode::Closed: break;
    }
    return " Interface";
}

}  // namespace

TFormInterface::TFormInterface(ProjectStore& store, Dialogs& dialogs, LinkController& link,
                               InterfaceWindowHooks hooks, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      store_(store),
      dialogs_(dialogs),
      link_(link),
      hooks_(std::move(hooks)),
      readout_(std::make_unique<UnitReadout>(link.link(), dialogs, link.progressWindows(), link.actions())) {
    setWindowTitle(QStringLiteral(" Interface"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    menuBar_ = new QMenuBar(this);
    layout->setMenuBar(menuBar_);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(6, 4, 6, 6);
    layout->addLayout(body);
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("Ordner"), this));
    tree_ = new QTreeWidget(this);
    tree_->setHeaderHidden(true);
    tree_->setItemsExpandable(false);
    tree_->setRootIsDecorated(false);
    tree_->setFixedWidth(170);
    left->addWidget(tree_);
    body->addLayout(left);

    auto* right = new QVBoxLayout;
    auto* labels = new QHBoxLayout;
    const std::pair<const char*, int> headings[] = {{"Datei", 128}, {"Beginn", 106}, {"Größe", 46}, {"Geändert am", 125}};
    for (const auto& [text, width] : headings) {
        auto* label = new QLabel(QString::fromUtf8(text), this);
        label->setFixedWidth(width);
        labels->addWidget(label);
    }
    labels->addStretch();
    right->addLayout(labels);
    grid_ = new QTableWidget(kMinRows, kColumns, this);
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    grid_->setColumnWidth(kDatei, 128);
    grid_->setColumnWidth(kBeginn, 106);
    grid_->setColumnWidth(kGroesse, 46);
    grid_->setColumnWidth(kGeaendert, 125);
    right->addWidget(grid_);
    note_ = new QLabel(this);
    note_->hide();
    right->addWidget(note_);
    body->addLayout(right);

    BuildMenus();
    setFixedSize(607, 254 + menuBar_->sizeHint().height());

    connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) { TreeView1Change(item); });
    connect(tree_, &QTreeWidget::itemCollapsed, tree_, [this](QTreeWidgetItem* item) { tree_->expandItem(item); });
    connect(grid_, &QTableWidget::itemSelectionChanged, this, [this] {
        RecordSelection();
        StringGrid1Click();
    });
    connect(grid_, &QTableWidget::currentCellChanged, this, [this] { StringGrid1Click(); });
    connect(grid_, &QTableWidget::customContextMenuRequested, this,
            [this](const QPoint& position) { StringGrid1RightClick(position); });
}

TFormInterface::~TFormInterface() = default;

void TFormInterface::BuildMenus() {
    auto add = [this](QMenu* menu, const char* text, void (TFormInterface::*handler)()) {
        QAction* action = menu->addAction(QString::fromUtf8(text));
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return action;
    };
    QMenu* datei = menuBar_->addMenu(QStringLiteral("Datei"));
    auswerten_ = add(datei, "Datei auswerten", &TFormInterface::DateiAuswertenClick);
    uebertragen_ = add(datei, "Datei übertragen", &TFormInterface::DateiUebertragenClick);
    datei->addSeparator();
    umbenennen_ = add(datei, "Datei umbenennen", &TFormInterface::DateiBezeichnungClick);
    erzeugen_ = add(datei, "Datei erstellen", &TFormInterface::DateiErzeugenClick);
    loeschen_ = add(datei, "Datei löschen", &TFormInterface::DateiLoeschenClick);
    datei->addSeparator();
    add(datei, "Schließen", &TFormInterface::SchliessenClick);
    QMenu* auswahl = menuBar_->addMenu(QStringLiteral("Auswahl"));
    auswahl->addAction(QStringLiteral("Alle / Keine Meldung"));
    auswahl->menuAction()->setVisible(false);
    QMenu* hilfe = menuBar_->addMenu(QStringLiteral("?"));
    add(hilfe, "Hilfe", &TFormInterface::Hilfe1Click);

    gridMenu_ = new QMenu(this);
    for (QAction* action : {auswerten_, uebertragen_, umbenennen_, erzeugen_, loeschen_}) gridMenu_->addAction(action);
}

void TFormInterface::Open(EvaluationWindowMode mode) {
    mode_ = mode;
    setWindowTitle(QString::fromUtf8(Caption(mode)));
    if (mode == EvaluationWindowMode::DataUnits)
        helpContext_ = 9001;
    else if (mode != EvaluationWindowMode::Video)
        helpContext_ = 9002;
    hide();
    FormShow();
    show();
    raise();
    activateWindow();
}

void TFormInterface::FormShow() {
    SetCommands({});
    units_.clear();
    ClearGrid(kMinRows);
    grid_->setEnabled(true);
    RebuildTree();
    if (mode_ != EvaluationWindowMode::DataUnits && lastNode_ >= 0 && lastNode_ < int(nodeTexts_.size())) {
        QTreeWidgetItemIterator it(tree_);
        for (; *it; ++it)
            if ((*it)->data(0, kNodeIndexRole).toInt() == lastNode_) break;
        if (*it) tree_->setCurrentItem(*it);  // runs TreeView1Change
    }
    tree_->expandAll();
    tree_->setFocus();
}

void TFormInterface::RebuildTree() {
    QSignalBlocker block(tree_);
    tree_->clear();
    nodeTexts_.clear();
    const auto& parameters = store_.Tables().parameters;
    QTreeWidgetItem* root = nullptr;
    for (const FolderTreeNode& node : FolderTreeNodes(parameters.Record(), parameters.AcquisitionFolderCount())) {
        auto* item = node.folder < 0 ? new QTreeWidgetItem(tree_) : new QTreeWidgetItem(root);
        if (node.folder < 0) root = item;
        item->setText(0, FromRecord(node.text));
        item->setData(0, kNodeIndexRole, int(nodeTexts_.size()));
        nodeTexts_.push_back(node.text);
    }
    tree_->setCurrentItem(nullptr);
    tree_->expandAll();
}

void TFormInterface::ClearGrid(int rows) {
    QSignalBlocker block(grid_);
    grid_->clearContents();
    grid_->setRowCount(std::clamp(rows, kMinRows, kMaxRows));
    grid_->setCurrentCell(0, 0);
    grid_->clearSelection();
    note_->hide();
    firstRow_ = lastRow_ = 0;
}

void TFormInterface::SetRootGrid() {
    ClearGrid(kMinRows);
    grid_->setEnabled(false);
}

std::string TFormInterface::Cell(int row, int column) const {
    const QTableWidgetItem* item = grid_->item(row, column);
    return item ? item->text().toStdString() : std::string();
}

void TFormInterface::SetCell(int row, int column, const std::string& utf8) {
    grid_->setItem(row, column, new QTableWidgetItem(QString::fromStdString(utf8)));
}

std::string TFormInterface::FolderNameUtf8() const { return ToUtf8(folderName_); }

bool TFormInterface::OutputFolderChosen() const {
    return folderName_ == store_.Tables().parameters.Record().Ordner[kOutputFolder].view();
}

std::filesystem::path TFormInterface::ProjectDirectory() const { return store_.ProjectDirectory(); }

void TFormInterface::TreeView1Change(QTreeWidgetItem* item) {
    if (!item || busy_ || mode_ == EvaluationWindowMode::Closed) return;
    SetCommands({});
    units_.clear();
    ClearGrid(kMinRows);
    grid_->setEnabled(true);
    const int node = item->data(0, kNodeIndexRole).toInt();
    if (node < 0 || node >= int(nodeTexts_.size()) || item->parent() == nullptr) {
        SetRootGrid();
        return;
    }
    const std::string& text = nodeTexts_[std::size_t(node)];
    const auto& record = store_.Tables().parameters.Record();
    folderIndex_ = FolderIndexOfNode(record, text);
    if (mode_ == EvaluationWindowMode::DataUnits) {
        const std::string refusal = UnitFolderRefusal(folderIndex_, text, store_.Tables().groups);
        if (folderIndex_ == kOutputFolder) {
            dialogs_.Information(refusal);
        } else {
            folderName_ = text;
            folderDirectory_ = ::ovis::FolderDirectory(ProjectDirectory(), record, folderIndex_);
            if (!refusal.empty()) {
                dialogs_.Information(refusal);
                return;
            }
            ReadUnitDirectory(folderIndex_);
        }
    } else if (mode_ == EvaluationWindowMode::Analyser || mode_ == EvaluationWindowMode::Statistics) {
        folderName_ = text;
        folderDirectory_ = ::ovis::FolderDirectory(ProjectDirectory(), record, folderIndex_);
        ListFolderFiles();
    }
    StringGrid1Click();
    lastNode_ = node;
}

void TFormInterface::ReadUnitDirectory(int folder) {
    busy_ = true;
    const auto& record = store_.Tables().parameters.Record();
    const DirectoryRead read = readout_->ListUnits(record.Nummer, folder, record.Units[folder]);
    busy_ = false;
    if (read.outcome != DirectoryOutcome::Listed) return;
    units_ = read.units;
    ClearGrid(int(units_.size()));
    for (std::size_t k = 0; k < units_.size() && int(k) < kMaxRows; ++k)
        SetCell(int(k), kBeginn, UnitBeginCell(units_[k]));
    uebertragen_->setEnabled(true);
}

void TFormInterface::ListFolderFiles() {
    const FolderFileList list = ::ovis::ListFolderFiles(folderDirectory_);
    ClearGrid(int(list.rows.size()));
    for (std::size_t r = 0; r < list.rows.size(); ++r) {
        const FolderFileRow& row = list.rows[r];
        SetCell(int(r), kDatei, row.name);
        SetCell(int(r), kBeginn, row.begin);
        SetCell(int(r), kGroesse, row.size);
        SetCell(int(r), kGeaendert, row.modified);
    }
    if (list.total > list.rows.size()) {
        note_->setText(QString::fromStdString(FolderListCutNote(list.total)));
        note_->show();
    }
    StringGrid1Click();
}

void TFormInterface::RecordSelection() {
    const auto ranges = grid_->selectedRanges();
    if (ranges.isEmpty()) {
        firstRow_ = lastRow_ = grid_->currentRow();
        return;
    }
    firstRow_ = ranges.front().topRow();
    lastRow_ = ranges.front().bottomRow();
    for (const auto& range : ranges) {
        firstRow_ = std::min(firstRow_, range.topRow());
        lastRow_ = std::max(lastRow_, range.bottomRow());
    }
}

void TFormInterface::SetCommands(const FileCommands& c) {
    auswerten_->setEnabled(c.auswerten);
    uebertragen_->setEnabled(c.uebertragen);
    umbenennen_->setEnabled(c.umbenennen);
    erzeugen_->setEnabled(c.erstellen);
    loeschen_->setEnabled(c.loeschen);
    grid_->setSelectionMode(c.rangeSelection ? QAbstractItemView::ExtendedSelection
                                             : QAbstractItemView::SingleSelection);
}

void TFormInterface::StringGrid1Click() {
    const int row = std::max(grid_->currentRow(), 0);
    const CurrentRow current{row, !Cell(row, kDatei).empty(), !Cell(row, kBeginn).empty()};
    SetCommands(CommandAvailability(mode_, current, UnitCount(), OutputFolderChosen() && !folderName_.empty()));
}

void TFormInterface::StringGrid1RightClick(const QPoint& position) {
    const int row = grid_->rowAt(position.y());
    if (row >= 0 && !Cell(row, kDatei).empty() && (row < firstRow_ || row > lastRow_)) {
        grid_->setCurrentCell(row, kDatei);
        grid_->selectRow(row);
        RecordSelection();
    }
    StringGrid1Click();
    gridMenu_->popup(grid_->viewport()->mapToGlobal(position));
}

void TFormInterface::DateiUebertragenClick() {
    if (busy_ || !uebertragen_->isEnabled()) return;
    const UnitSelection selection = SelectUnits(firstRow_, lastRow_, UnitCount());
    if (selection.empty) return;
    if (selection.tooMany) {
        dialogs_.Information(kTooManyUnitsText);
        return;
    }
    const auto& record = store_.Tables().parameters.Record();
    folderDirectory_ = ::ovis::FolderDirectory(ProjectDirectory(), record, folderIndex_);
    const auto name = AskFileName(dialogs_, FileNameCommand::Transfer, FolderNameUtf8(), folderDirectory_);
    if (!name) return;
    fileName_ = *name;
    busy_ = true;
    std::optional<std::size_t> count;
    try {
        count = readout_->TransferUnits(record.Nummer, folderIndex_, selection.FirstUnit(), selection.LastUnit(),
                                        ResolveInDirectory(folderDirectory_, fileName_ + kRecordingExtension));
    } catch (const IoError& e) {
        busy_ = false;
        dialogs_.Error(e.what());
        return;
    }
    busy_ = false;
    if (!count) return;
    // The file takes the place of the unit list: row 0 shows it with the begin of the oldest unit read.
    const std::string begin = Cell(selection.lastRow, kBeginn);
    units_.clear();
    ClearGrid(kMinRows);
    SetCell(0, kDatei, fileName_);
    SetCell(0, kBeginn, begin);
    for (const FolderFile& file : RecordingFilesOf(folderDirectory_)) {
        if (FoldCase(file.name) != FoldCase(fileName_)) continue;
        SetCell(0, kGroesse, FileSizeText(file.size));
        SetCell(0, kGeaendert, FileDateText(file.modified));
    }
    grid_->setCurrentCell(1, 0);
    grid_->setCurrentCell(0, 0);
    grid_->setFocus();
    StringGrid1Click();
    uebertragen_->setEnabled(true);
    auswerten_->setEnabled(true);
}

void TFormInterface::DateiAuswertenClick() {
    const int row = std::max(grid_->currentRow(), 0);
    fileName_ = Cell(row, kDatei);
    if (fileName_.empty()) return;
    const std::string begin = Cell(row, kBeginn);
    fileBeginDate_ = begin.size() > 1 ? begin.substr(1, 10) : std::string();
    const auto& record = store_.Tables().parameters.Record();
    const int folder = mode_ != EvaluationWindowMode::DataUnits && OutputFolderChosen() ? kOutputFolder : folderIndex_;
    folderDirectory_ = ::ovis::FolderDirectory(ProjectDirectory(), record, folder);
    if (!hooks_.evaluate) {
        dialogs_.Information(kLaterVersionNote);
        return;
    }
    hooks_.evaluate(mode_, folder, folderDirectory_, fileName_);
    if (mode_ == EvaluationWindowMode::DataUnits) close();
}

void TFormInterface::DateiErzeugenClick() {
    const auto name = AskFileName(dialogs_, FileNameCommand::Create, FolderNameUtf8(), folderDirectory_);
    if (!name) return;
    fileName_ = *name;
    const auto& tables = store_.Tables();
    std::vector<TRecordingEvent> buffer(kRecordingCapacity);
    const std::size_t count = CreateDayFile(tables.io.Rows(), tables.led.Rows().size(), SystemClock().Now(), buffer);
    folderIndex_ = kOutputFolder;
    if (count == 0) {
        dialogs_.Show(BoxKind::Information, NoOutputMessagesText(FolderNameUtf8()));
    } else {
        try {
            CreateDirectoryOrThrow(folderDirectory_);
            WriteRecords(ResolveInDirectory(folderDirectory_, fileName_ + kRecordingExtension), buffer.data(), count);
        } catch (const IoError& e) {
            dialogs_.Error(e.what());
        }
        if (hooks_.outputFilesChanged) hooks_.outputFilesChanged();
    }
    ListFolderFiles();
}

void TFormInterface::DateiBezeichnungClick() {
    const std::string old = Cell(std::max(grid_->currentRow(), 0), kDatei);
    if (old.empty()) return;
    const auto name = AskFileName(dialogs_, FileNameCommand::Rename, old, folderDirectory_);
    if (!name) return;
    fileName_ = *name;
    std::error_code ignored;  // a failed rename is not reported
    std::filesystem::rename(ResolveInDirectory(folderDirectory_, old + kRecordingExtension),
                            folderDirectory_ / (fileName_ + kRecordingExtension), ignored);
    if (hooks_.outputFilesChanged) hooks_.outputFilesChanged();
    ListFolderFiles();
}

void TFormInterface::DateiLoeschenClick() {
    const std::string name = Cell(std::max(grid_->currentRow(), 0), kDatei);
    if (name.empty()) return;
    if (dialogs_.Show(BoxKind::Warning, DeleteFileQuestion(name), Buttons::YesNo) != Answer::Yes) return;
    fileName_ = name;
    folderDirectory_ = ::ovis::FolderDirectory(ProjectDirectory(), store_.Tables().parameters.Record(),
                                               OutputFolderChosen() ? kOutputFolder : folderIndex_);
    const auto path = ResolveInDirectory(folderDirectory_, name + kRecordingExtension);
    std::error_code error;
    if (!std::filesystem::remove(path, error) && error)
        dialogs_.Error(FileErrorText("Die Datei kann nicht gelöscht werden", path, SystemErrorText(error)));
    ListFolderFiles();
    if (hooks_.outputFilesChanged) hooks_.outputFilesChanged();
}

void TFormInterface::Hilfe1Click() {
    if (hooks_.showHelp) hooks_.showHelp(helpContext_);
}

void TFormInterface::closeEvent(QCloseEvent* event) {
    if (busy_) {
        event->ignore();
        return;
    }
    mode_ = EvaluationWindowMode::Closed;
    if (hooks_.closed) hooks_.closed();
    QWidget::closeEvent(event);
}

void TFormInterface::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible() && !busy_ &&
        hooks_.mainWindowActive && hooks_.mainWindowActive())
        close();
}

}  // namespace ovis::gui
