#include "config/gui/Zel_Konfig.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "config/baud_coding.h"
#include "config/module_types.h"
#include "platform/gui/column_width.h"
#include "platform/gui/text_conversion.h"
#include "project/project_store.h"

namespace ovis::gui {
namespace {

constexpr int kHelpContexts[] = {2001, 2002, 2003, 2004};
constexpr int kRowHeight = 16;

QLabel* UnitsPanel() {
    auto* panel = new QLabel;
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setFixedSize(36, 20);
    return panel;
}

int GridWidth(const QTableWidget* grid) {
    int width = 2 * grid->frameWidth();
    for (int c = 0; c < grid->columnCount(); ++c) width += grid->columnWidth(c);
    return width;
}

QTableWidget* Grid(int rows, const QStringList& titles, const QList<int>& widths, const QStringList& samples) {
    auto* grid = new QTableWidget(rows, int(titles.size()));
    grid->setHorizontalHeaderLabels(titles);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(std::max(kRowHeight, grid->fontMetrics().height() + 3));
    grid->horizontalHeader()->setMinimumSectionSize(10);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int c = 0; c < widths.size(); ++c)
        grid->setColumnWidth(c, ColumnWidth(grid->fontMetrics(), widths[c], titles[c], samples[c]));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return grid;
}

QButtonGroup* RadioGroup(QGroupBox* box, const QStringList& items) {
    auto* group = new QButtonGroup(box);
    auto* layout = new QVBoxLayout(box);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i]);
        group->addButton(button, i);
        layout->addWidget(button);
    }
    layout->addStretch();
    return group;
}

QComboBox* NumberList(int from, int to) {
    auto* combo = new QComboBox;
    for (int i = from; i <= to; ++i) combo->addItem(QString::number(i));
    return combo;
}

QComboBox* TextList(std::initializer_list<const char*> items) {
    auto* combo = new QComboBox;
    for (const char* item : items) combo->addItem(QString::fromUtf8(item));
    return combo;
}

QComboBox* BaudList() {
    auto* combo = new QComboBox;
    for (auto text : kBaudRateTexts) combo->addItem(QString::fromLatin1(text.data(), int(text.size())));
    return combo;
}

void SetChecked(QButtonGroup* group, int id) {
    if (auto* button = group->button(id)) {
        button->setChecked(true);
    } else {
        group->setExclusive(false);
        for (auto* b : group->buttons()) b->setChecked(false);
        group->setExclusive(true);
    }
}

}  // namespace

TFormKonfig::TFormKonfig(ProjectStore& store, Dialogs& dialogs, ConfigurationHooks& hooks, QWidget* parent)
    : QDialog(parent), store_(store), dialogs_(dialogs), model_(store, dialogs, hooks) {
    setObjectName("Zel_Konfig");
    setWindowTitle(QStringLiteral(" Systemkonfiguration"));
    setModal(true);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto* layout = new QVBoxLayout(this);
    auto* bar = new QMenuBar(this);
    layout->setMenuBar(bar);
    pages_ = new QTabWidget;
    pages_->addTab(BuildMemoryPage(), QStringLiteral("Ovis  Speicherverwaltung"));
    pages_->addTab(BuildSystemPage(), QStringLiteral("Ovis  Systemaufbau"));
    pages_->addTab(BuildPcPage(), QStringLiteral("PC"));
    pages_->addTab(BuildOptionsPage(), QStringLiteral("Optionen"));
    layout->addWidget(pages_);
    BuildMenus(bar);
    connect(pages_, &QTabWidget::currentChanged, this, [this] { UpdateMenuStates(); });
    setFixedSize(sizeHint().expandedTo(QSize(470, 420)));
}

QWidget* TFormKonfig::BuildMemoryPage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);

    auto* acquisition = new QGroupBox(QStringLiteral("Ordner (Datenerfassung)"));
    auto* acquisitionLayout = new QHBoxLayout(acquisition);
    allMessagesFolder_ = new QLineEdit;
    allMessagesFolder_->setReadOnly(true);
    u1_ = UnitsPanel();
    acquisitionLayout->addWidget(allMessagesFolder_);
    acquisitionLayout->addWidget(new QLabel(QStringLiteral("U1")));
    acquisitionLayout->addWidget(u1_);

    auto* output = new QGroupBox(QStringLiteral("Ordner (Datenausgabe)"));
    auto* outputLayout = new QHBoxLayout(output);
    outputFolder_ = new QLineEdit;
    outputFolder_->setReadOnly(true);
    u2_ = UnitsPanel();
    outputLayout->addWidget(outputFolder_);
    outputLayout->addWidget(new QLabel(QStringLiteral("U2")));
    outputLayout->addWidget(u2_);

    folderGrid_ = Grid(kMaxAcquisitionFolders, {QStringLiteral("Nr"), QStringLiteral("Ordner (Gruppen)"), QStringLiteral("Units")},
                       {18, 128, 23}, {QStringLiteral("00"), QString(), QStringLiteral(" 63")});
    folderGrid_->setSelectionBehavior(QAbstractItemView::SelectItems);
    folderGrid_->setSelectionMode(QAbstractItemView::SingleSelection);
    folderGrid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    folderGrid_->setFixedSize(GridWidth(folderGrid_), folderGrid_->verticalHeader()->defaultSectionSize() * kMaxAcquisitionFolders +
                                                          folderGrid_->horizontalHeader()->sizeHint().height() + 2 * folderGrid_->frameWidth());
    folderGrid_->viewport()->installEventFilter(this);
    folderGrid_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(folderGrid_, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        lastFolderField_ = FolderField::Grid;
        if (folderGrid_->columnAt(p.x()) == 1) FolderContextMenu()->popup(folderGrid_->viewport()->mapToGlobal(p));
    });
    for (QLineEdit* field : {allMessagesFolder_, outputFolder_}) {
        field->setContextMenuPolicy(Qt::CustomContextMenu);
        field->installEventFilter(this);
        connect(field, &QWidget::customContextMenuRequested, this, [this, field](const QPoint& p) {
            lastFolderField_ = field == outputFolder_ ? FolderField::Output : FolderField::AllMessages;
            FolderContextMenu()->popup(field->mapToGlobal(p));
        });
    }

    auto* size = new QGroupBox(QStringLiteral("Speichergröße"));
    auto* sizeLayout = new QVBoxLayout(size);
    memorySize_ = new QListWidget;
    memorySize_->addItems({QStringLiteral(" 128 KByte"), QStringLiteral(" 512 KByte"), QStringLiteral(" 2 MByte")});
    memorySize_->setFixedHeight(3 * 18 + 6);
    uGe_ = UnitsPanel();
    auto* total = new QHBoxLayout;
    total->addWidget(new QLabel(QStringLiteral("UGe")));
    total->addWidget(uGe_);
    total->addStretch();
    sizeLayout->addWidget(memorySize_);
    sizeLayout->addLayout(total);
    sizeLayout->addStretch();
    connect(memorySize_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (filling_ || row < 0) return;
        model_.ChooseMemorySize(row);
        Redisplay();
    });

    grid->addWidget(acquisition, 0, 0, 1, 2);
    grid->addWidget(output, 1, 0, 1, 2);
    grid->addWidget(folderGrid_, 2, 0);
    grid->addWidget(size, 2, 1);
    return page;
}

QWidget* TFormKonfig::BuildSystemPage() {
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    auto* extension = new QGroupBox(QStringLiteral(" Systemerweiterung "));
    busExtension_ = RadioGroup(extension, {QStringLiteral("nicht vorhanden"), QStringLiteral("Buslänge < 50 Meter"),
                                           QStringLiteral("Buslänge > 50 Meter")});
    connect(busExtension_, &QButtonGroup::idClicked, this, [this](int id) { model_.Record().Systemerweiterung = id; });

    auto* ring = new QGroupBox(QStringLiteral(" Modulanordnung "));
    auto* ringLayout = new QVBoxLayout(ring);
    moduleGrid_ = Grid(8, {QStringLiteral("Nr"), QStringLiteral("Modulbezeichnung")}, {18, 133},
                       {QStringLiteral("00"), QStringLiteral("OPTO16-OUT")});
    moduleGrid_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    moduleGrid_->setContextMenuPolicy(Qt::CustomContextMenu);
    moduleGrid_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    moduleGrid_->setFixedHeight(moduleGrid_->verticalHeader()->defaultSectionSize() * 8 +
                                moduleGrid_->horizontalHeader()->sizeHint().height() + 2 * moduleGrid_->frameWidth());
    moduleMenu_ = new QMenu(this);
    deleteModule_ = moduleMenu_->addAction(QStringLiteral("Modul löschen"), this, [this] { ModulLoeschenClick(); });
    QMenu* insert = moduleMenu_->addMenu(QStringLiteral("Modul einfügen"));
    insertModule_ = insert->menuAction();
    for (int code = 1; code <= kModuleTypeCount; ++code) {
        auto name = ModulTypen[code].Name;
        insert->addAction(QString::fromLatin1(name.data(), int(name.size())), this, [this, code] { ModulEinfuegenClick(code); });
    }
    connect(moduleGrid_, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        int row = moduleGrid_->rowAt(p.y());
        if (row >= 0 && !moduleGrid_->selectionModel()->isRowSelected(row, QModelIndex())) moduleGrid_->selectRow(row);
        deleteModule_->setEnabled(model_.CanDeleteModules());
        insertModule_->setEnabled(model_.CanInsertModules());
        moduleMenu_->popup(moduleGrid_->viewport()->mapToGlobal(p));
    });
    ringLayout->addWidget(moduleGrid_);
    layout->addWidget(extension);
    layout->addWidget(ring);
    return page;
}

QWidget* TFormKonfig::BuildPcPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);

    auto* interfaceRow = new QHBoxLayout;
    auto* ovis = new QGroupBox(QStringLiteral(" Ovis "));
    auto* ovisForm = new QFormLayout(ovis);
    interfaceNumber_ = NumberList(1, 99);
    interfaceModem_ = TextList({"OFF", "ON"});
    ovisForm->addRow(QStringLiteral("Nr.:"), interfaceNumber_);
    ovisForm->addRow(QStringLiteral("Modem:"), interfaceModem_);
    ovis->setEnabled(false);
    interfaceBaud_ = BaudList();
    auto* baudForm = new QFormLayout;
    baudForm->addRow(QStringLiteral("Baudrate:"), interfaceBaud_);
    interfaceRow->addWidget(ovis);
    interfaceRow->addLayout(baudForm);

    auto* pc = new QGroupBox(QStringLiteral(" PC / Laptop "));
    auto* pcForm = new QFormLayout(pc);
    port_ = TextList({"COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8"});
    interfaceCount_ = NumberList(1, 99);
    interfaceCount_->setEnabled(false);
    neighbour_ = new QLineEdit;
    neighbour_->setEnabled(false);
    pcBaud_ = BaudList();
    pcModem_ = TextList({"OFF", "ON"});
    pcModem_->setEnabled(false);
    pcForm->addRow(QStringLiteral("Schnittstelle:"), port_);
    pcForm->addRow(QStringLiteral("Anzahl Ovis:"), interfaceCount_);
    pcForm->addRow(QStringLiteral("Nachbarobjekt:"), neighbour_);
    pcForm->addRow(QStringLiteral("Baudrate:"), pcBaud_);
    pcForm->addRow(QStringLiteral("Modem:"), pcModem_);
    layout->addLayout(interfaceRow);
    layout->addWidget(pc);
    layout->addStretch();

    auto onIndex = [this](QComboBox* combo, std::function<void(int)> write) {
        connect(combo, &QComboBox::currentIndexChanged, this, [this, write](int index) {
            if (!filling_ && index >= 0) write(index);
        });
    };
    onIndex(interfaceNumber_, [this](int i) { model_.Record().Nummer = std::uint8_t(i + 1); });
    onIndex(interfaceModem_, [this](int i) { model_.Record().Modem = i == 1; });
    onIndex(interfaceBaud_, [this](int i) { model_.Record().BaudFaktor = std::uint8_t(*BaudFactorForListIndex(i)); });
    onIndex(port_, [this](int i) { model_.Record().Schnittstelle = std::uint8_t(i + 1); });
    onIndex(interfaceCount_, [this](int i) { model_.Record().AnzahlInterfaces = std::uint8_t(i + 1); });
    onIndex(pcBaud_, [this](int i) { model_.Record().BaudFaktorPC = std::uint8_t(*BaudFactorForListIndex(i)); });
    onIndex(pcModem_, [this](int i) { model_.Record().ModemPC = i == 1; });
    connect(neighbour_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (auto bytes = ToRecord(text)) model_.Record().Nachbarobjekt = *bytes;
    });
    return page;
}

QWidget* TFormKonfig::BuildOptionsPage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    auto* network = new QGroupBox(QStringLiteral(" Netzwerk "));
    relayMode_ = RadioGroup(network, {QStringLiteral("kein"), QStringLiteral("Server"), QStringLiteral("Client")});
    auto* midnight = new QGroupBox(QStringLiteral(" Reset um 0:00 Uhr "));
    resetAtMidnight_ = RadioGroup(midnight, {QStringLiteral("deaktiviert"), QStringLiteral("aktiviert")});
    auto* power = new QGroupBox(QStringLiteral(" Reset nach Spannungsverlust "));
    resetAfterPowerLoss_ = RadioGroup(power, {QStringLiteral("deaktiviert"), QStringLiteral("aktiviert")});
    auto* server = new QGroupBox(QStringLiteral(" Netzwerkverzeichnis des Servers "));
    auto* serverLayout = new QVBoxLayout(server);
    serverDirectory_ = new QLineEdit;
    serverLayout->addWidget(serverDirectory_);
    serverLayout->addWidget(new QLabel(QStringLiteral("Beispiel: \\\\server\\c\\programme\\ovis\\")));
    grid->addWidget(network, 0, 0);
    grid->addWidget(midnight, 0, 1);
    grid->addWidget(power, 0, 2);
    grid->addWidget(server, 1, 0, 1, 3);
    grid->setRowStretch(2, 1);

    connect(relayMode_, &QButtonGroup::idClicked, this, [this](int id) {
        model_.Record().RelayMode = id;
        serverDirectory_->setEnabled(id == static_cast<int>(RelayMode::Client));
    });
    connect(resetAtMidnight_, &QButtonGroup::idClicked, this, [this](int id) { model_.Record().ResetUmMitternacht = id; });
    connect(resetAfterPowerLoss_, &QButtonGroup::idClicked, this,
            [this](int id) { model_.Record().ResetNachSpannungsverlust = id; });
    connect(serverDirectory_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (auto bytes = ToRecord(text)) {
            model_.Record().ServerDirectory = *bytes;
        } else {
            QApplication::beep();
            serverDirectory_->setText(FromRecord(model_.Record().ServerDirectory.view()));
        }
    });
    return page;
}

void TFormKonfig::BuildMenus(QMenuBar* bar) {
    QMenu* configuration = bar->addMenu(QStringLiteral("&Konfiguration"));
    configuration->addAction(QStringLiteral("Speichern"), QKeySequence(QStringLiteral("Ctrl+S")), this, [this] { SpeichernClick(); });
    configuration->addAction(QStringLiteral("Schließen"), this, [this] { SchliessenClick(); });
    QMenu* folders = bar->addMenu(QStringLiteral("&Ordner"));
    createFolder_ = folders->addAction(QStringLiteral("Ordner erstellen"), this, [this] { OrdnerErstellenClick(); });
    renameFolder_ = folders->addAction(QStringLiteral("Ordner umbenennen"), this, [this] { OrdnerUmbenennenClick(); });
    deleteFolder_ = folders->addAction(QStringLiteral("Ordner löschen"), this, [this] { OrdnerLoeschenClick(); });
    connect(folders, &QMenu::aboutToShow, this, [this] { UpdateMenuStates(); });
    QMenu* help = bar->addMenu(QStringLiteral("&?"));
    help->addAction(QStringLiteral("Hilfe"), this, [this] {
        if (showHelp_) showHelp_(kHelpContexts[pages_->currentIndex()]);
    });
}

QMenu* TFormKonfig::FolderContextMenu() {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(createFolder_);
    menu->addAction(renameFolder_);
    menu->addAction(deleteFolder_);
    UpdateMenuStates();
    return menu;
}

void TFormKonfig::UpdateMenuStates() {
    const bool firstPage = pages_->currentIndex() == 0;
    const int folder = folderGrid_->currentRow() + 1;
    createFolder_->setEnabled(firstPage && model_.CanCreateFolder());
    renameFolder_->setEnabled(firstPage && model_.CanRenameFolder(lastFolderField_, folder));
    deleteFolder_->setEnabled(firstPage && lastFolderField_ == FolderField::Grid && model_.CanDeleteFolder(folder));
}

void TFormKonfig::showEvent(QShowEvent* event) {
    model_.Show();
    Redisplay();
    QDialog::showEvent(event);
}

void TFormKonfig::Redisplay() {
    filling_ = true;
    const TParameterRecord& r = model_.Record();
    allMessagesFolder_->setText(FromRecord(r.Ordner[kAllMessagesFolder].view()));
    outputFolder_->setText(FromRecord(r.Ordner[kOutputFolder].view()));
    u1_->setText(QString::fromStdString(SystemConfiguration::UnitsText(model_.AllMessagesUnits())));
    u2_->setText(QStringLiteral(" 1"));
    uGe_->setText(QString::fromStdString(SystemConfiguration::UnitsText(model_.TotalUnits())));
    for (int row = 0; row < kMaxAcquisitionFolders; ++row) {
        const int folder = row + 1;
        const bool used = folder <= model_.FolderCount();
        QStringList cells{used ? QString::fromStdString(SystemConfiguration::LineNumberText(folder)) : QString(),
                          used ? FromRecord(r.Ordner[folder].view()) : QString(),
                          used ? QString::fromStdString(SystemConfiguration::UnitsText(r.Units[folder])) : QString()};
        for (int c = 0; c < 3; ++c) folderGrid_->setItem(row, c, new QTableWidgetItem(cells[c]));
    }
    memorySize_->setCurrentRow(r.Speichergroesse <= 2 ? r.Speichergroesse : -1);

    SetChecked(busExtension_, r.Systemerweiterung.get());
    const int modules = model_.ModuleCount();
    moduleGrid_->setRowCount(std::max(modules, 8));
    moduleGrid_->setFixedWidth(GridWidth(moduleGrid_) + (modules > 8 ? 16 : 0));
    for (int row = 0; row < moduleGrid_->rowCount(); ++row) {
        const bool used = row < modules;
        moduleGrid_->setItem(row, 0, new QTableWidgetItem(used ? QString::fromStdString(SystemConfiguration::LineNumberText(row + 1)) : QString()));
        moduleGrid_->setItem(row, 1, new QTableWidgetItem(used ? QString::fromStdString(model_.ModuleName(row + 1)) : QString()));
    }

    interfaceNumber_->setCurrentIndex(r.Nummer >= 1 && r.Nummer <= 99 ? r.Nummer - 1 : -1);
    interfaceModem_->setCurrentIndex(r.Modem ? 1 : 0);
    interfaceBaud_->setCurrentIndex(ListIndexForBaudFactor(r.BaudFaktor).value_or(-1));
    port_->setCurrentIndex(r.Schnittstelle >= 1 && r.Schnittstelle <= 8 ? r.Schnittstelle - 1 : -1);
    interfaceCount_->setCurrentIndex(r.AnzahlInterfaces >= 1 && r.AnzahlInterfaces <= 99 ? r.AnzahlInterfaces - 1 : -1);
    neighbour_->setText(FromRecord(r.Nachbarobjekt.view()));
    pcBaud_->setCurrentIndex(ListIndexForBaudFactor(r.BaudFaktorPC).value_or(-1));
    pcModem_->setCurrentIndex(r.ModemPC ? 1 : 0);
    SetChecked(relayMode_, r.RelayMode.get());
    SetChecked(resetAtMidnight_, r.ResetUmMitternacht.get());
    SetChecked(resetAfterPowerLoss_, r.ResetNachSpannungsverlust.get());
    serverDirectory_->setText(FromRecord(r.ServerDirectory.view()));
    serverDirectory_->setEnabled(r.RelayMode.get() == static_cast<int>(RelayMode::Client));
    filling_ = false;
    UpdateMenuStates();
}

bool TFormKonfig::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == allMessagesFolder_) lastFolderField_ = FolderField::AllMessages;
        if (watched == outputFolder_) lastFolderField_ = FolderField::Output;
        if (watched == folderGrid_->viewport()) {
            lastFolderField_ = FolderField::Grid;
            auto* mouse = static_cast<QMouseEvent*>(event);
            const int row = folderGrid_->rowAt(mouse->position().toPoint().y());
            const int column = folderGrid_->columnAt(mouse->position().toPoint().x());
            if (mouse->button() == Qt::LeftButton && column == 2 && row >= 0 && row < model_.FolderCount()) {
                folderGrid_->setCurrentCell(row, column);
                ShowUnitsChooser(row + 1, mouse->globalPosition().toPoint());
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFormKonfig::ShowUnitsChooser(int folder, const QPoint& globalPosition) {
    QMenu chooser(this);
    const int limit = model_.UnitsChoiceLimit(folder);
    for (int v = 1; v <= limit; ++v) {
        chooser.addAction(QString::fromStdString(SystemConfiguration::UnitsText(v)), this, [this, folder, v] {
            model_.ChooseUnits(folder, v);
            Redisplay();
        });
    }
    connect(folderGrid_->verticalScrollBar(), &QScrollBar::valueChanged, &chooser, &QMenu::close);
    chooser.exec(globalPosition);
}

void TFormKonfig::SpeichernClick() {
    model_.Save();
    Redisplay();
}

void TFormKonfig::SchliessenClick() { close(); }

void TFormKonfig::OrdnerErstellenClick() {
    if (model_.CreateFolder()) Redisplay();
}

void TFormKonfig::OrdnerUmbenennenClick() {
    if (model_.RenameFolder(lastFolderField_, folderGrid_->currentRow() + 1)) Redisplay();
}

void TFormKonfig::OrdnerLoeschenClick() {
    const int cursor = model_.DeleteFolder(folderGrid_->currentRow() + 1, folderGrid_->currentRow() + 1);
    Redisplay();
    folderGrid_->setCurrentCell(std::max(cursor - 1, 0), 1);
}

std::pair<int, int> TFormKonfig::SelectedModuleLines() const {
    const auto ranges = moduleGrid_->selectedRanges();
    if (ranges.isEmpty()) {
        const int row = std::max(moduleGrid_->currentRow(), 0) + 1;
        return {row, row};
    }
    return {ranges.first().topRow() + 1, ranges.first().bottomRow() + 1};
}

void TFormKonfig::ModulEinfuegenClick(int code) {
    auto [first, last] = SelectedModuleLines();
    model_.InsertModules(code, first, last);
    Redisplay();
}

void TFormKonfig::ModulLoeschenClick() {
    auto [first, last] = SelectedModuleLines();
    model_.DeleteModules(first, last);
    Redisplay();
}

void TFormKonfig::closeEvent(QCloseEvent* event) {
    if (!model_.Close()) {
        event->ignore();
        return;
    }
    folderGrid_->clearSelection();
    folderGrid_->setCurrentCell(0, 0);
    moduleGrid_->clearSelection();
    moduleGrid_->setCurrentCell(0, 0);
    event->accept();
}

void TFormKonfig::reject() { close(); }

}  // namespace ovis::gui
