#include "shell/gui/Zel_Open.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QStyle>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <ctime>

#include "platform/gui/column_width.h"
#include "platform/gui/text_conversion.h"
#include "records/io_error.h"
#include "project/project_store.h"

namespace ovis::gui {
namespace fs = std::filesystem;

namespace {

constexpr int kBaseWidth = 540;
constexpr int kColumnsWidth = 180 + 60 + 100 + 120;  // the report columns at their narrowest
constexpr int kBaseHeight = 380;

QString FromPath(const fs::path& path) { return FromFileName(path.string()); }
fs::path ToPath(const QString& text) { return fs::path(text.toStdString()); }

QToolButton* FlatButton(QWidget* parent, QStyle::StandardPixmap icon, const QString& hint) {
    auto* button = new QToolButton(parent);
    button->setAutoRaise(true);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

bool IsFile(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

}  // namespace

TFormOpen::TFormOpen(const fs::path& baseDirectory, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent),
      dialogs_(dialogs),
      base_(baseDirectory),
      typeAhead_(std::chrono::milliseconds(QApplication::keyboardInputInterval())),
      result_{false, baseDirectory, {}},
      style_(RememberedViewStyle()),
      pathBox_(new QComboBox(this)),
      model_(new QStandardItemModel(0, 4, this)),
      views_(new QStackedWidget(this)),
      reportView_(new QTreeView(this)),
      listView_(new QListView(this)) {
    setWindowTitle(QString::fromUtf8(kProjectBrowserCaption));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);
    typingClock_.start();

    pathBox_->setEditable(true);
    pathBox_->setInsertPolicy(QComboBox::NoInsert);
    pathBox_->setCompleter(nullptr);
    pathBox_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(pathBox_->lineEdit(), &QLineEdit::returnPressed, this, &TFormOpen::PathBoxEntered);
    connect(pathBox_, &QComboBox::activated, this, &TFormOpen::PathBoxChosen);

    backButton_ = FlatButton(this, QStyle::SP_FileDialogToParent, QStringLiteral("Übergeordneter Ordner"));
    browseButton_ = FlatButton(this, QStyle::SP_DirOpenIcon, QStringLiteral("Ordner wählen"));
    listButton_ = FlatButton(this, QStyle::SP_FileDialogListView, QStringLiteral("Liste"));
    reportButton_ = FlatButton(this, QStyle::SP_FileDialogDetailedView, QStringLiteral("Details"));
    listButton_->setCheckable(true);
    reportButton_->setCheckable(true);
    auto* styleGroup = new QButtonGroup(this);
    styleGroup->addButton(listButton_);
    styleGroup->addButton(reportButton_);
    connect(backButton_, &QToolButton::clicked, this, &TFormOpen::GoBack);
    connect(browseButton_, &QToolButton::clicked, this, &TFormOpen::Browse);
    connect(listButton_, &QToolButton::clicked, this, [this] { SetViewStyle(BrowserViewStyle::List); });
    connect(reportButton_, &QToolButton::clicked, this, [this] { SetViewStyle(BrowserViewStyle::Report); });

    model_->setHorizontalHeaderLabels(
        {QStringLiteral("Projektname"), QStringLiteral("Größe"), QStringLiteral("Typ"), QStringLiteral("Geändert am")});
    model_->horizontalHeaderItem(1)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);

    reportView_->setModel(model_);
    reportView_->setRootIsDecorated(false);
    reportView_->setItemsExpandable(false);
    reportView_->setUniformRowHeights(true);
    reportView_->setAllColumnsShowFocus(true);
    reportView_->header()->setStretchLastSection(false);
    // Every column fits its title; "Geändert am" fits a date and time at the font in use.
    std::tm widestTime{};
    widestTime.tm_mday = 28;
    widestTime.tm_mon = 7;
    widestTime.tm_year = 2888 - 1900;
    widestTime.tm_hour = 18;
    widestTime.tm_min = 58;
    widestTime.tm_sec = 58;
    const QString samples[] = {{}, {}, {}, QString::fromStdString(DateTimeText(widestTime))};
    const int widths[] = {180, 60, 100, 120};
    int columnsWidth = 0;
    for (int column = 0; column < 4; ++column) {
        const int width = ColumnWidth(reportView_->fontMetrics(), widths[column], model_->horizontalHeaderItem(column)->text(),
                                      samples[column]);
        reportView_->setColumnWidth(column, width);
        columnsWidth += width;
    }
    baseWidth_ = std::max(kBaseWidth, columnsWidth + kBaseWidth - kColumnsWidth);

    listView_->setModel(model_);
    listView_->setSelectionModel(reportView_->selectionModel());
    listView_->setViewMode(QListView::ListMode);
    listView_->setFlow(QListView::TopToBottom);
    listView_->setWrapping(true);
    listView_->setResizeMode(QListView::Adjust);
    listView_->setSpacing(1);

    for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(reportView_), static_cast<QAbstractItemView*>(listView_)}) {
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setSelectionMode(QAbstractItemView::SingleSelection);
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->installEventFilter(this);
        connect(view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) { ActivateItem(index.row()); });
        views_->addWidget(view);
    }

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Suchen in:"), this));
    top->addWidget(pathBox_, 1);
    for (QToolButton* button : {backButton_, browseButton_, listButton_, reportButton_}) top->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(views_, 1);

    SetViewStyle(style_);
    resize(baseWidth_, kBaseHeight);
    if (!EnterFolder(base_ / kProjectsFolder, false) && !EnterFolder(base_, false))
        EnterFolder(ToPath(QDir::homePath()), true);
    pathBox_->setFocus();
    pathBox_->lineEdit()->selectAll();
}

TFormOpen::~TFormOpen() {
    // Hiding the dialog moves the focus out of the path box, which would report its text again.
    pathBox_->disconnect(this);
    pathBox_->lineEdit()->disconnect(this);
}

QAbstractItemView* TFormOpen::ItemView() const {
    return style_ == BrowserViewStyle::Report ? static_cast<QAbstractItemView*>(reportView_) : listView_;
}

bool TFormOpen::OpenFolder(const fs::path& folder) { return EnterFolder(folder, true); }

bool TFormOpen::EnterFolder(const fs::path& folder, bool reportErrors) {
    const fs::path normal = NormalFolderPath(folder);
    try {
        items_ = ListFolder(normal);
    } catch (const IoError& e) {
        if (reportErrors) dialogs_.Error(e.what());
        return false;
    }
    folder_ = normal;
    BuildItems();
    const QString path = FromPath(folder_);
    if (visited_.Add(path.toStdString())) pathBox_->insertItem(0, path);
    // The box's current entry is the folder shown, so that leaving the box opens nothing.
    pathBox_->setCurrentIndex(pathBox_->findText(path, Qt::MatchExactly | Qt::MatchCaseSensitive));
    resize(BrowserDialogWidth(baseWidth_, items_.size()), height());
    if (!items_.empty()) SelectRow(0);
    return true;
}

void TFormOpen::BuildItems() {
    typeAhead_.Reset();
    model_->removeRows(0, model_->rowCount());
    QFileIconProvider icons;
    const QColor readOnlyColour = palette().color(QPalette::Disabled, QPalette::Text);
    const QColor systemColour = palette().color(QPalette::Highlight);
    for (const BrowserItem& item : items_) {
        QList<QStandardItem*> row = {
            new QStandardItem(icons.icon(QFileInfo(FromPath(folder_ / item.name))), FromFileName(item.name)),
            new QStandardItem(QString::fromStdString(item.sizeText)),
            new QStandardItem(QString::fromStdString(item.typeName)),
            new QStandardItem(QString::fromStdString(item.modifiedText)),
        };
        row[1]->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        for (QStandardItem* cell : row) {
            if (item.readOnly) cell->setForeground(readOnlyColour);
            if (item.system) cell->setForeground(systemColour);
            if (item.hidden) {
                QFont font = cell->font();
                font.setStrikeOut(true);
                cell->setFont(font);
            }
        }
        model_->appendRow(row);
    }
}

int TFormOpen::CurrentRow() const {
    const QModelIndex current = reportView_->selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void TFormOpen::SelectRow(int row) {
    const QModelIndex index = model_->index(row, 0);
    reportView_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    ItemView()->scrollTo(index);
}

void TFormOpen::ActivateItem(int row) {
    if (row < 0 || row >= static_cast<int>(items_.size()) || !items_[row].folder) return;
    if (!OpenFolder(folder_ / items_[row].name)) return;
    ProjectRecognition recognition = RecogniseProject(folder_, base_, IsFile);
    if (!recognition.chosen) return;
    result_ = std::move(recognition);
    accept();
}

void TFormOpen::GoBack() {
    auto parent = ParentFolder(folder_);
    if (!parent) {
        QApplication::beep();
        return;
    }
    OpenFolder(*parent);
}

void TFormOpen::SetViewStyle(BrowserViewStyle style) {
    style_ = style;
    RememberViewStyle(style);
    views_->setCurrentWidget(ItemView());
    listButton_->setChecked(style == BrowserViewStyle::List);
    reportButton_->setChecked(style == BrowserViewStyle::Report);
}

void TFormOpen::PathBoxEntered() {
    fs::path path = PathFromTypedText(pathBox_->currentText().toStdString());
    if (path.is_relative()) path = folder_ / path;
    std::error_code ec;
    if (!fs::is_directory(path, ec)) {
        dialogs_.Warning(FolderNotFoundMessage(pathBox_->currentText().toStdString()));
        return;
    }
    OpenFolder(path);
}

void TFormOpen::PathBoxChosen(int index) { OpenFolder(ToPath(pathBox_->itemText(index))); }

void TFormOpen::Browse() {
    const QString chosen = QFileDialog::getExistingDirectory(this, QStringLiteral("Select Directory"), FromPath(folder_));
    if (!chosen.isEmpty()) OpenFolder(ToPath(chosen));
}

void TFormOpen::JumpTo(const QString& typed) {
    std::vector<std::string> names;
    names.reserve(items_.size());
    for (const auto& item : items_) names.push_back(item.name);
    const int current = CurrentRow();
    auto found = FindTypedItem(names, current >= 0 ? std::optional<std::size_t>(current) : std::nullopt,
                               typed.toStdString());
    if (found) SelectRow(static_cast<int>(*found));
}

bool TFormOpen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || (watched != reportView_ && watched != listView_))
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
        case Qt::Key_Backspace: GoBack(); return true;
        case Qt::Key_Return:
        case Qt::Key_Enter: ActivateItem(CurrentRow()); return true;
        default: break;
    }
    const QString text = key->text();
    const bool printable = !text.isEmpty() && text.at(0).isPrint();
    if (printable && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        JumpTo(QString::fromStdString(
            typeAhead_.Add(text.toStdString(), std::chrono::milliseconds(typingClock_.elapsed()))));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFormOpen::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && showHelp_) {
        showHelp_(kProjectBrowserHelpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace ovis::gui
