#include "tables/gui/table_grid.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <numeric>

#include "platform/gui/text_conversion.h"
#include "tables/gui/chooser_popup.h"
#include "tables/grid_titles.h"
#include "tables/gui/grid_font.h"

namespace ovis::gui {

constexpr int kTitleHeight = 18;
constexpr int kTextIndent = 2;

// Draws a cell's text from two pixels in, without eliding, as the fixed column widths expect.
class GridCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem panel = option;
        initStyleOption(&panel, index);
        panel.text.clear();
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &panel, painter, widget);
        const bool selected = option.state & QStyle::State_Selected;
        painter->save();
        painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setFont(option.font);
        painter->drawText(option.rect.adjusted(kTextIndent, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          index.data(Qt::DisplayRole).toString());
        painter->restore();
    }
};

// The cells of the grid, read from the editor model when they are drawn.
class GridItemModel : public QAbstractTableModel {
public:
    explicit GridItemModel(TableEditorModel& model, QObject* parent) : QAbstractTableModel(parent), model_(model) {}

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : rows_; }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : model_.ColumnCount(); }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) return {};
        if (role == Qt::DisplayRole) return FromRecord(model_.CellText(index.row(), index.column()));
        if (role == Qt::BackgroundRole && index.column() == kRowNumberColumn) return QColor(255, 255, 128);
        if (role == Qt::TextAlignmentRole) return int(Qt::AlignLeft | Qt::AlignVCenter);
        return {};
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        if (index.column() == kRowNumberColumn) return Qt::ItemIsEnabled;
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    }

    // Brings the row count up to date and redraws every cell; true when the rows were reset.
    bool Update() {
        const int rows = model_.GridRows();
        if (rows != rows_) {
            beginResetModel();
            rows_ = rows;
            endResetModel();
            return true;
        }
        if (rows_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1));
        return false;
    }

private:
    TableEditorModel& model_;
    int rows_ = 0;
};

TableGrid::TableGrid(TableEditorModel& model, std::vector<int> columnWidths, std::vector<GridTitle> titles,
                     QWidget* parent)
    : QWidget(parent), model_(model) {
    const QFont gridFont = GridFont(font());
    widths_ = ScaledWidths(columnWidths, gridFont);
    const QFontMetrics metrics(gridFont);

    titleBar_ = new QWidget(this);
    titleBar_->setFixedHeight(kTitleHeight);
    std::vector<GridTitleSpan> spans;
    for (const GridTitle& title : titles)
        spans.push_back({title.firstColumn, title.lastColumn, metrics.horizontalAdvance(title.text) + 6});
    GridTitleLayout placed = LayOutGridTitles(widths_, spans);
    widths_ = std::move(placed.columnWidths);
    for (std::size_t i = 0; i < titles.size(); ++i) {
        auto* label = new QLabel(titles[i].text, titleBar_);
        label->setFont(gridFont);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        label->setGeometry(1 + placed.places[i].x, 0, placed.places[i].width, kTitleHeight);
    }

    view_ = new QTableView(this);
    items_ = new GridItemModel(model_, this);
    view_->setModel(items_);
    view_->setItemDelegate(new GridCellDelegate(view_));
    view_->setFont(gridFont);
    view_->horizontalHeader()->hide();
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setMinimumSectionSize(kGridRowHeight);
    view_->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->horizontalHeader()->setMinimumSectionSize(4);
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setWordWrap(false);
    view_->setTextElideMode(Qt::ElideNone);
    view_->setFocusPolicy(Qt::StrongFocus);
    view_->setContextMenuPolicy(Qt::PreventContextMenu);
    view_->setFixedHeight(kMinGridRows * kGridRowHeight + 2 * view_->frameWidth());
    view_->installEventFilter(this);
    view_->viewport()->installEventFilter(this);
    connect(view_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { HideEditors(); });

    chooser_ = new ChooserPopup(this);

    numberEditor_ = new QLineEdit(view_->viewport());
    numberEditor_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), numberEditor_));
    numberEditor_->setFont(gridFont);
    numberEditor_->setFrame(false);
    numberEditor_->hide();
    numberEditor_->installEventFilter(this);
    connect(numberEditor_, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QString shown = QString::fromStdString(model_.NumberTextEdited(text.toStdString()));
        if (shown != text) numberEditor_->setText(shown);
        items_->Update();
    });

    inlineEditor_ = new QLineEdit(view_->viewport());
    inlineEditor_->setMaxLength(255);
    inlineEditor_->setFont(gridFont);
    inlineEditor_->setFrame(false);
    inlineEditor_->hide();
    inlineEditor_->installEventFilter(this);
    connect(inlineEditor_, &QLineEdit::textEdited, this, [this](const QString& text) {
        auto bytes = ToRecord(text);
        if (!bytes) {  // a character the table files cannot hold is refused
            QApplication::beep();
            inlineEditor_->setText(acceptedInlineText_);
            return;
        }
        const QString shown = FromRecord(model_.InlineTextEdited(*bytes));
        if (shown != text) inlineEditor_->setText(shown);
        acceptedInlineText_ = shown;
        items_->Update();
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(titleBar_);
    layout->addWidget(view_);
    Refresh();
}

TableGrid::~TableGrid() = default;

int TableGrid::GridWidth() const {
    int width = std::accumulate(widths_.begin(), widths_.end(), 0) + 2 * view_->frameWidth();
    if (model_.RowCount() > std::size_t(kMinGridRows)) width += view_->verticalScrollBar()->sizeHint().width();
    return width;
}

void TableGrid::Refresh() {
    const bool reset = items_->Update();
    for (std::size_t c = 0; c < widths_.size(); ++c) view_->setColumnWidth(int(c), widths_[c]);
    const bool scrolling = model_.RowCount() > std::size_t(kMinGridRows);
    view_->setVerticalScrollBarPolicy(scrolling ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    view_->setFixedWidth(GridWidth());
    titleBar_->setFixedWidth(GridWidth());

    const ovis::CellRect rect = model_.Selection();
    QItemSelection selection(items_->index(rect.top, rect.left), items_->index(rect.bottom, rect.right));
    view_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    const QModelIndex cursor = items_->index(model_.CursorRow(), model_.CursorColumn());
    view_->selectionModel()->setCurrentIndex(cursor, QItemSelectionModel::NoUpdate);
    if (reset || model_.CursorRow() != shownCursorRow_) {
        shownCursorRow_ = model_.CursorRow();
        view_->scrollTo(cursor);
    }
}

QRect TableGrid::CellRect(int row, int column) const { return view_->visualRect(items_->index(row, column)); }

void TableGrid::HideEditors() {
    chooser_->hide();
    if (numberEditor_->isVisible()) CloseNumberEditor(true);
    if (inlineEditor_->isVisible()) CloseInlineEditor();
    emit editorsHidden();
}

void TableGrid::FocusGrid() {
    HideEditors();
    view_->setFocus();
}

void TableGrid::Changed() {
    Refresh();
    emit changed();
}

bool TableGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == numberEditor_ || watched == inlineEditor_)
        return HandleEditorEvent(static_cast<QLineEdit*>(watched), event);
    if (watched == view_->viewport()) return HandleMouse(event);
    if (watched == view_ && event->type() == QEvent::KeyPress) return HandleKey(event);
    return QWidget::eventFilter(watched, event);
}

bool TableGrid::HandleMouse(QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease: break;
        case QEvent::ContextMenu: return true;
        default: return false;
    }
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QModelIndex index = view_->indexAt(mouse->position().toPoint());
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            HideEditors();
            view_->setFocus();
            if (!index.isValid() || (mouse->button() != Qt::LeftButton && mouse->button() != Qt::RightButton))
                return true;
            const MouseButton button = mouse->button() == Qt::LeftButton ? MouseButton::Left : MouseButton::Right;
            dragging_ = button == MouseButton::Left;
            const CellAction action = model_.Press(button, index.row(), index.column());
            Changed();
            Perform(action, mouse->globalPosition().toPoint());
            return true;
        }
        case QEvent::MouseMove:
            if (dragging_ && (mouse->buttons() & Qt::LeftButton) && index.isValid()) {
                model_.DragTo(index.row(), index.column());
                Changed();
            }
            return true;
        case QEvent::MouseButtonRelease: {
            if (!dragging_ || mouse->button() != Qt::LeftButton) return true;
            dragging_ = false;
            const CellAction action = index.isValid() ? model_.Release(index.row(), index.column()) : CellAction::None;
            Changed();
            Perform(action, mouse->globalPosition().toPoint());
            return true;
        }
        case QEvent::MouseButtonDblClick:
            if (mouse->button() == Qt::LeftButton && index.isValid()) {
                const CellAction action = model_.DoubleClick(index.row(), index.column());
                Changed();
                Perform(action, mouse->globalPosition().toPoint());
            }
            return true;
        default: return false;
    }
}

bool TableGrid::HandleKey(QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    const bool extend = key->modifiers() & Qt::ShiftModifier;
    int row = model_.CursorRow();
    int column = model_.CursorColumn();
    const int page = kMinGridRows - 1;
    switch (key->key()) {
        case Qt::Key_Up: --row; break;
        case Qt::Key_Down: ++row; break;
        case Qt::Key_Left: --column; break;
        case Qt::Key_Right: ++column; break;
        case Qt::Key_PageUp: row -= page; break;
        case Qt::Key_PageDown: row += page; break;
        case Qt::Key_Home: row = 0; break;
        case Qt::Key_End: row = model_.GridRows() - 1; break;
        case Qt::Key_Escape: HideEditors(); return true;
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            const QRect cell = CellRect(model_.CursorRow(), model_.CursorColumn());
            Perform(model_.Enter(), view_->viewport()->mapToGlobal(cell.bottomLeft()));
            Changed();
            return true;
        }
        default: return false;
    }
    model_.MoveCursor(row, column, extend);
    Changed();
    return true;
}

void TableGrid::Perform(CellAction action, QPoint globalPosition) {
    switch (action) {
        case CellAction::None: break;
        case CellAction::ContextMenu:
            if (contextMenu_) contextMenu_->popup(globalPosition);
            break;
        case CellAction::Chooser: OpenChooser(model_.CursorColumn(), globalPosition); break;
        case CellAction::NumberEditor: OpenNumberEditor(); break;
        case CellAction::InlineEditor: OpenInlineEditor(); break;
        case CellAction::Dialog: emit dialogRequested(model_.CursorColumn(), globalPosition); break;
    }
}

void TableGrid::OpenChooser(int column, QPoint globalPosition) {
    QStringList items;
    for (const auto& item : model_.ChooserItems(column)) items << FromRecord(item);
    if (items.isEmpty()) return;
    const int gridBottom = view_->viewport()->mapToGlobal(QPoint(0, view_->viewport()->height())).y();
    chooser_->Open(items, globalPosition + chooserOffset_, gridBottom, [this, column](int item) {
        model_.ApplyChooser(column, std::size_t(item));
        view_->setFocus();
        Changed();
    });
}

void TableGrid::OpenNumberEditor() {
    const auto start = model_.BeginNumberEdit();
    if (!start) return;
    numberEditor_->setMaxLength(start->maxDigits);
    numberEditor_->setText(QString::fromStdString(start->text));
    numberEditor_->setGeometry(CellRect(model_.CursorRow(), model_.CursorColumn()));
    numberEditor_->selectAll();
    numberEditor_->show();
    numberEditor_->setFocus();
}

void TableGrid::OpenInlineEditor() {
    if (!model_.InlineEditing()) return;
    acceptedInlineText_ = FromRecord(model_.InlineText());
    inlineEditor_->setText(acceptedInlineText_);
    inlineEditor_->setGeometry(CellRect(model_.CursorRow(), model_.CursorColumn()));
    inlineEditor_->show();
    inlineEditor_->setFocus();
}

void TableGrid::CloseNumberEditor(bool keep) {
    if (closingEditor_) return;
    closingEditor_ = true;
    if (keep)
        model_.FinishNumberEdit();
    else
        model_.CancelNumberEdit();
    numberEditor_->hide();
    closingEditor_ = false;
    Changed();
}

void TableGrid::CloseInlineEditor() {
    if (closingEditor_) return;
    closingEditor_ = true;
    model_.FinishInlineEdit();
    inlineEditor_->hide();
    closingEditor_ = false;
    Changed();
}

bool TableGrid::HandleEditorEvent(QLineEdit* editor, QEvent* event) {
    const bool number = editor == numberEditor_;
    if (event->type() == QEvent::FocusOut && editor->isVisible()) {
        number ? CloseNumberEditor(true) : CloseInlineEditor();
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool leaves = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape ||
                        (number && (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right));
    if (!leaves) return false;
    if (number)
        CloseNumberEditor(key != Qt::Key_Escape);
    else
        CloseInlineEditor();
    view_->setFocus();
    return true;
}

}  // namespace ovis::gui
