#include "programs/gui/Zel_Programm.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "led/gui/Zel_Tabelle.h"
#include "platform/gui/text_conversion.h"
#include "programs/gui/io_module_view.h"
#include "programs/program_columns.h"
#include "project/project_store.h"
#include "tables/gui/Zel_Counter.h"
#include "tables/gui/Zel_Gruppe.h"
#include "tables/gui/Zel_Klemmenplan.h"
#include "tables/gui/Zel_Timer.h"
#include "tables/gui/grid_font.h"

namespace ovis::gui {
namespace {

namespace col = program_column;

constexpr int kPreviewRows = 10;

EditorWindowLayout ProgrammLayout() {
    EditorWindowLayout layout;
    layout.caption = FromCore(ProgramCaption(kMainProgram));
    layout.helpContext = kProgramHelpContext;
    layout.columnWidths = {23, 128, 128, 53, 128, 35, 24, 49, 129};
    layout.titles = {{QStringLiteral("Nr"), col::kNumber, col::kNumber},
                     {QStringLiteral("Meldung"), col::kName, col::kName},
                     {QStringLiteral("Meldung A"), col::kOperandA, col::kOperandA},
                     {QStringLiteral("Logik"), col::kLogic, col::kLogic},
                     {QStringLiteral("Meldung B"), col::kOperandB, col::kOperandB},
                     {QStringLiteral("Verzögerung"), col::kDelay, col::kUnit},
                     {QStringLiteral("Order"), col::kOrder, col::kOrder},
                     {QStringLiteral("Meldung C"), col::kTarget, col::kTarget}};
    return layout;
}

EditorWindowLayout OutputDataPageLayout() {
    EditorWindowLayout layout;
    layout.columnWidths = {24, 128, 125, 60, 106};
    layout.titles = {{QStringLiteral("Nr"), 0, 0},
                     {QStringLiteral("Datei"), 1, 1},
                     {QStringLiteral("Geändert am"), 2, 2},
                     {QStringLiteral("Größe"), 3, 3},
                     {QStringLiteral("Beginn"), 4, 4}};
    return layout;
}

}  // namespace

TFormProgramm::TFormProgramm(ProjectStore& store, Dialogs& dialogs, Trash& trash, EditorHooks hooks, QWidget* parent)
    : TFormProgramm(std::make_unique<ProgramEditor>(store, dialogs, trash), store, std::move(hooks), parent) {}

TFormProgramm::TFormProgramm(std::unique_ptr<ProgramEditor> program, ProjectStore& store, EditorHooks hooks,
                             QWidget* parent)
    : TableEditorWindow(*program, ProgrammLayout(), hooks, parent),
      program_(std::move(program)),
      store_(store),
      showHelp_(hooks.showHelp),
      references_(store) {
    BuildMenus();
    BuildPages();
    // Sees every press: one anywhere in the application closes the delay editor (the chooser
    // closes itself), and those on the program grid's row numbers drag lines.
    qApp->installEventFilter(this);
    Refresh();
}

TFormProgramm::~TFormProgramm() = default;

void TFormProgramm::BuildMenus() {
    QMenu* file = FileMenu();
    new_ = new QAction(QStringLiteral("Neu..."), this);
    new_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    new_->setVisible(false);
    open_ = new QAction(QStringLiteral("Öffnen..."), this);
    open_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(open_, &QAction::triggered, this, &TFormProgramm::OeffnenClick);
    file->insertActions(SaveAction(), {new_, open_});
    saveAs_ = new QAction(QStringLiteral("Speichern unter..."), this);
    connect(saveAs_, &QAction::triggered, this, &TFormProgramm::SpeichernUnterClick);
    delete_ = new QAction(QStringLiteral("Löschen..."), this);
    connect(delete_, &QAction::triggered, this, &TFormProgramm::LoeschenClick);
    file->insertActions(PrintAction(), {saveAs_, delete_});

    blankLine_ = EditMenu()->addAction(QStringLiteral("Leerzeile einfügen"));
    blankLine_->setVisible(false);

    resetMenu_ = new QMenu(QStringLiteral("&Reset"), this);
    resetMenu_->addAction(QStringLiteral("Reset  Meldungen"));
    resetMenu_->addAction(QStringLiteral("Reset  Signale"));
    MenuBar()->insertMenu(MenuBar()->actions().last(), resetMenu_);
    resetMenu_->menuAction()->setVisible(false);

    // "Kopieren" copies from the page shown.
    disconnect(CopyAction(), &QAction::triggered, nullptr, nullptr);
    connect(CopyAction(), &QAction::triggered, this, &TFormProgramm::KopierenClick);
}

TableGrid* TFormProgramm::AddReadOnlyPage(ProgramPage page, TableEditorModel& table, const EditorWindowLayout& layout,
                                          QWidget* beside) {
    auto* widget = new QWidget;
    auto* row = new QHBoxLayout(widget);
    auto* grid = new TableGrid(table, layout.columnWidths, layout.titles, widget);
    grid->SetContextMenu(ContextMenu());
    row->addWidget(grid, 0, Qt::AlignTop);
    if (beside) row->addWidget(beside, 0, Qt::AlignTop);
    row->addStretch(1);
    connect(grid, &TableGrid::changed, this, &TFormProgramm::UpdatePageMenus);
    pageGrids_.at(std::size_t(page)) = grid;
    pages_->insertTab(int(page), widget, FromCore(std::string(ProgramPageCaption(page))));
    return grid;
}

void TFormProgramm::BuildPages() {
    pages_ = new QTabWidget(this);
    Body()->removeWidget(Grid());
    auto* programPage = new QWidget;
    auto* programLayout = new QVBoxLayout(programPage);
    programLayout->addWidget(Grid(), 0, Qt::AlignTop | Qt::AlignLeft);
    programLayout->addStretch(1);
    pages_->addTab(programPage, FromCore(std::string(ProgramPageCaption(ProgramPage::Program))));
    pages_->addTab(BuildSelectionPage(), FromCore(std::string(ProgramPageCaption(ProgramPage::Selection))));

    ioModule_ = new IoModuleView;
    AddReadOnlyPage(ProgramPage::Io, *references_.Table(ProgramPage::Io), KlPlanLayout(), ioModule_);
    connect(PageGrid(ProgramPage::Io), &TableGrid::changed, this,
            [this] { ioModule_->Show(references_.CurrentIoModule()); });
    AddReadOnlyPage(ProgramPage::Groups, *references_.Table(ProgramPage::Groups), GruppeLayout());
    AddReadOnlyPage(ProgramPage::Led, *references_.Table(ProgramPage::Led), TabelleLayout());
    AddReadOnlyPage(ProgramPage::Counters, *references_.Table(ProgramPage::Counters), CounterLayout());
    AddReadOnlyPage(ProgramPage::Timers, *references_.Table(ProgramPage::Timers), TimerLayout());
    AddReadOnlyPage(ProgramPage::OutputData, *references_.Table(ProgramPage::OutputData), OutputDataPageLayout());

    auto* ablageBox = new QWidget;
    auto* ablageLayout = new QHBoxLayout(ablageBox);
    ablageLayout->setContentsMargins(0, 0, 0, 2);
    ablageLayout->addWidget(new QLabel(QStringLiteral("Ablage"), ablageBox));
    ablage_ = new QComboBox(ablageBox);
    ablage_->setMinimumWidth(160);
    ablageLayout->addWidget(ablage_);
    connect(ablage_, &QComboBox::activated, this, [this](int index) {
        if (index >= 0) program_->ChooseStorageEntry(std::size_t(index));
        Refresh();
    });
    ablageLayout->insertStretch(0, 1);

    connect(pages_, &QTabWidget::currentChanged, this, &TFormProgramm::PageChanged);
    auto* column = new QVBoxLayout;
    column->setSpacing(0);
    column->addWidget(ablageBox);
    column->addWidget(pages_);
    Body()->addLayout(column);
}

QWidget* TFormProgramm::BuildSelectionPage() {
    auto* widget = new QWidget;
    auto* layout = new QVBoxLayout(widget);
    programList_ = new QTableWidget(0, kProgramListColumns, widget);
    const QFont gridFont = GridFont(font());
    programList_->setFont(gridFont);
    programList_->setHorizontalHeaderLabels(
        {QStringLiteral("Nr"), QStringLiteral("Programm"), QStringLiteral("Größe"), QStringLiteral("Geändert am")});
    programList_->verticalHeader()->hide();
    programList_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    programList_->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    const int widths[kProgramListColumns] = {30, 128, 60, 125};
    int total = 2 * programList_->frameWidth() + 20;
    for (int c = 0; c < kProgramListColumns; ++c) {
        programList_->setColumnWidth(c, ScaledWidth(widths[c], gridFont));
        total += programList_->columnWidth(c);
    }
    programList_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    programList_->setFixedSize(total, programList_->horizontalHeader()->sizeHint().height() +
                                          kProgramListMinRows * kGridRowHeight + 2 * programList_->frameWidth() + 2);
    programList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    programList_->setSelectionBehavior(QAbstractItemView::SelectRows);
    programList_->setSelectionMode(QAbstractItemView::SingleSelection);
    programList_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(programList_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { ContextMenu()->popup(programList_->viewport()->mapToGlobal(at)); });
    connect(programList_, &QTableWidget::currentCellChanged, this, [this](int row) { SelectProgram(row); });

    auto* preview = new TableGrid(selection_.Preview(), ProgrammLayout().columnWidths, ProgrammLayout().titles, widget);
    preview->View()->setFixedHeight(kPreviewRows * kGridRowHeight + 2 * preview->View()->frameWidth());
    preview->SetContextMenu(ContextMenu());
    connect(preview, &TableGrid::changed, this, &TFormProgramm::UpdatePageMenus);
    pageGrids_.at(std::size_t(ProgramPage::Selection)) = preview;

    layout->addWidget(programList_, 0, Qt::AlignLeft);
    layout->addWidget(preview, 0, Qt::AlignLeft);
    layout->addStretch(1);
    return widget;
}

ProgramPage TFormProgramm::CurrentPage() const { return ProgramPage(pages_ ? pages_->currentIndex() : 0); }

void TFormProgramm::ShowPage(ProgramPage page) { pages_->setCurrentIndex(int(page)); }

void TFormProgramm::OpenEditor() {
    RefreshPages();
    TableEditorWindow::OpenEditor();
}

void TFormProgramm::TablesChanged() {
    if (isVisible()) RefreshPages();
}

void TFormProgramm::RefreshPages() {
    RefreshProgramList();
    references_.ReadOutputFiles();
    for (TableGrid* grid : pageGrids_)
        if (grid) grid->Refresh();
    ioModule_->Show(references_.CurrentIoModule());
    UpdatePageMenus();
}

void TFormProgramm::RefreshProgramList() {
    selection_.SetList(program_->ProgramList(), store_.ProjectDirectory());
    const QSignalBlocker blocker(programList_);
    programList_->setRowCount(selection_.ListRows());
    for (int row = 0; row < selection_.ListRows(); ++row)
        for (int column = 0; column < kProgramListColumns; ++column)
            programList_->setItem(row, column, new QTableWidgetItem(FromFileName(selection_.ListCellText(row, column))));
    if (auto selected = selection_.SelectedRow()) programList_->setCurrentCell(int(*selected), 1);
    if (TableGrid* preview = PageGrid(ProgramPage::Selection)) preview->Refresh();
}

void TFormProgramm::SelectProgram(int row) {
    selection_.Select(row, store_.ProjectDirectory());
    PageGrid(ProgramPage::Selection)->Refresh();
    UpdatePageMenus();
}

void TFormProgramm::RefreshAblage() {
    const QSignalBlocker blocker(ablage_);
    ablage_->clear();
    for (const std::string& name : program_->Storage().Entries()) ablage_->addItem(FromRecord(name));
    const auto chosen = program_->Storage().Chosen();
    ablage_->setCurrentIndex(chosen ? int(*chosen) : -1);
}

void TFormProgramm::Redrawn() {
    if (!pages_) return;  // still being built
    setWindowTitle(FromCore(program_->Caption()));
    RefreshAblage();
    UpdatePageMenus();
}

void TFormProgramm::UpdatePageMenus() {
    const ProgramMenuState state = program_->PageMenu(CurrentPage(), selection_.SelectedName());
    open_->setEnabled(state.open);
    SaveAction()->setEnabled(state.save);
    saveAs_->setEnabled(state.saveAs);
    delete_->setEnabled(state.remove);
    PrintAction()->setEnabled(state.print);
    UndoAction()->setEnabled(state.edit.undo);
    CutAction()->setEnabled(state.edit.cutNames);
    CopyAction()->setEnabled(state.edit.copyNames);
    PasteAction()->setEnabled(state.edit.pasteNames);
    EraseAction()->setEnabled(state.edit.eraseNames);
    CopyMessagesAction()->setEnabled(state.edit.copyMessages);
    PasteMessagesAction()->setEnabled(state.edit.pasteMessages);
    DeleteMessagesAction()->setEnabled(state.edit.deleteMessages);
    NewMessageAction()->setEnabled(state.edit.newMessage);
}

void TFormProgramm::PageChanged() {
    Grid()->HideEditors();
    program_->FinishInlineEdit();
    program_->FinishNumberEdit();
    const ProgramPage page = CurrentPage();
    if (page == ProgramPage::Selection) RefreshProgramList();
    Refresh();
    if (page == ProgramPage::Selection)
        programList_->setFocus();
    else if (TableGrid* grid = PageGrid(page))
        grid->View()->setFocus();
    else
        Grid()->View()->setFocus();
}

void TFormProgramm::KopierenClick() {
    Grid()->HideEditors();
    const ProgramPage page = CurrentPage();
    if (page == ProgramPage::Program) {
        program_->CopyNames();
    } else {
        std::optional<std::string> name =
            page == ProgramPage::Selection
                ? selection_.CopiedName(PageGrid(ProgramPage::Selection)->View()->hasFocus())
                : references_.CurrentName(page);
        if (name) program_->CopyName(*name);
    }
    Refresh();
}

void TFormProgramm::OeffnenClick() {
    const std::string name = selection_.SelectedName();
    if (name.empty()) return;
    Grid()->HideEditors();
    program_->Open(name);
    Refresh();
}

void TFormProgramm::SpeichernUnterClick() {
    Grid()->HideEditors();
    program_->SaveAs();
    RefreshProgramList();
    Refresh();
}

void TFormProgramm::LoeschenClick() {
    const auto row = selection_.SelectedRow();
    if (!row) return;
    program_->Delete(*row);
    RefreshProgramList();
    Refresh();
}

void TFormProgramm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && showHelp_) {
        showHelp_(ProgramPageHelpContext(CurrentPage()));
        return;
    }
    TableEditorWindow::keyPressEvent(event);
}

bool TFormProgramm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && watched != Grid()->NumberEditor() &&
        Grid()->NumberEditor()->isVisible())
        Grid()->HideEditors();
    if (watched == Grid()->View()->viewport() && HandleRowDrag(event)) return true;
    return TableEditorWindow::eventFilter(watched, event);
}

bool TFormProgramm::HandleRowDrag(QEvent* event) {
    const auto type = event->type();
    if (type == QEvent::MouseMove) return dragFromRow_ >= 0;  // a line drag selects nothing
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease) return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) return false;
    QTableView* view = Grid()->View();
    const QModelIndex index = view->indexAt(mouse->position().toPoint());
    if (type == QEvent::MouseButtonPress) {
        dragFromRow_ = index.isValid() && index.column() == col::kNumber ? index.row() : -1;
        return false;
    }
    const int from = dragFromRow_;
    dragFromRow_ = -1;
    if (from < 0) return false;
    // Released below the last grid row: a drop beyond the last line.
    const int to = index.isValid() ? index.row() : program_->GridRows();
    if (to == from) return false;
    Grid()->HideEditors();
    if (!program_->MoveLines(from, to)) return false;
    Refresh();
    return true;
}

}  // namespace ovis::gui
