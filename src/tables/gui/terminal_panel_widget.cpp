#include "tables/gui/terminal_panel_widget.h"

#include <QApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <memory>

#include "platform/gui/text_conversion.h"
#include "tables/gui/chooser_popup.h"
#include "tables/gui/grid_font.h"
#include "tables/gui/table_grid.h"
#include "tables/io_editor.h"

namespace ovis::gui {
namespace {

constexpr int kBlinkMs = 500;
constexpr int kLabelWidth = 40;
constexpr int kDesignationWidth = 168;
constexpr int kLevelWidth = 38;

// Edits a designation in place; every keystroke is stored into the signal table at once.
class DesignationDelegate : public QStyledItemDelegate {
public:
    DesignationDelegate(IoEditor& editor, std::function<void()> finished, QObject* parent)
        : QStyledItemDelegate(parent), editor_(editor), finished_(std::move(finished)) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override {
        auto* edit = new QLineEdit(parent);
        edit->setMaxLength(255);
        edit->setFrame(false);
        const int line = index.row() + 1;
        auto accepted = std::make_shared<QString>(index.data().toString());
        IoEditor& editor = editor_;
        QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, line, accepted, &editor](const QString& text) {
            auto bytes = ToRecord(text);
            if (!bytes) {  // a character the signal file cannot hold is refused
                QApplication::beep();
                edit->setText(*accepted);
                return;
            }
            *accepted = text;
            editor.EditDesignation(line, *bytes);
        });
        return edit;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        static_cast<QLineEdit*>(editor)->setText(index.data().toString());
    }
    void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override {
        editor_.FinishDesignationEdit();
        QStyledItemDelegate::destroyEditor(editor, index);
        finished_();
    }

private:
    IoEditor& editor_;
    std::function<void()> finished_;
};

QLabel* Caption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    return label;
}

}  // namespace

TerminalPanelWidget::TerminalPanelWidget(IoEditor& editor, QWidget* parent) : QWidget(parent), editor_(editor) {
    const QFont small = GridFont(font());
    setFont(small);
    const int labelWidth = ScaledWidth(kLabelWidth, small);
    const int designationWidth = ScaledWidth(kDesignationWidth, small);
    const int levelWidth = ScaledWidth(kLevelWidth, small);

    auto* head = new QGridLayout;
    head->setHorizontalSpacing(6);
    head->setVerticalSpacing(2);
    head->addWidget(new QLabel(QStringLiteral("Modul"), this), 0, 0);
    moduleLabel_ = new QLabel(this);
    moduleLabel_->setFrameShape(QFrame::Panel);
    moduleLabel_->setFrameShadow(QFrame::Sunken);
    moduleLabel_->setAlignment(Qt::AlignCenter);
    moduleLabel_->setFixedSize(28, 18);
    head->addWidget(moduleLabel_, 0, 1);
    scrollBar_ = new QScrollBar(Qt::Horizontal, this);
    scrollBar_->setRange(1, kPanelModules);
    scrollBar_->setPageStep(1);
    head->addWidget(scrollBar_, 0, 2);
    typeLabel_ = new QLabel(this);
    typeLabel_->setFixedHeight(18);
    QFont bold = small;
    bold.setBold(true);
    typeLabel_->setFont(bold);
    head->addWidget(typeLabel_, 1, 0, 1, 3);
    head->setColumnStretch(2, 1);

    auto* titles = new QHBoxLayout;
    titles->setSpacing(0);
    titles->setContentsMargins(1, 0, 0, 0);
    auto addTitle = [&](const QString& text, int width) {
        QLabel* label = Caption(text, this);
        label->setFixedWidth(width);
        titles->addWidget(label);
    };
    addTitle(QStringLiteral("Klemme"), labelWidth);
    addTitle(QStringLiteral("Bezeichnung"), designationWidth);
    addTitle(QStringLiteral("Pegel"), levelWidth);
    titles->addStretch();

    lines_ = new QTableWidget(kTerminalLines, 3, this);
    lines_->horizontalHeader()->hide();
    lines_->verticalHeader()->hide();
    lines_->verticalHeader()->setMinimumSectionSize(kGridRowHeight);
    lines_->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    lines_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    lines_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    lines_->setColumnWidth(kLabelColumn, labelWidth);
    lines_->setColumnWidth(kDesignationColumn, designationWidth);
    lines_->setColumnWidth(kLevelColumn, levelWidth);
    lines_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lines_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lines_->setSelectionMode(QAbstractItemView::SingleSelection);
    lines_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    lines_->setWordWrap(false);
    lines_->setFixedSize(labelWidth + designationWidth + levelWidth + 2 * lines_->frameWidth(),
                         kTerminalLines * kGridRowHeight + 2 * lines_->frameWidth());
    lines_->setItemDelegateForColumn(kDesignationColumn, new DesignationDelegate(editor_, [this] { emit changed(); }, this));
    for (int row = 0; row < kTerminalLines; ++row)
        for (int column = 0; column < 3; ++column) lines_->setItem(row, column, new QTableWidgetItem);
    lines_->viewport()->installEventFilter(this);

    toLower_ = new QToolButton(this);
    toLower_->setArrowType(Qt::DownArrow);
    toLower_->setToolTip(QStringLiteral("Klemmreihe unten"));
    toUpper_ = new QToolButton(this);
    toUpper_->setArrowType(Qt::UpArrow);
    toUpper_->setToolTip(QStringLiteral("Klemmreihe oben"));
    for (QToolButton* button : {toLower_, toUpper_}) {
        button->setFixedSize(20, 28);
        connect(button, &QToolButton::clicked, this, [this] {
            editor_.SwitchTerminalRow();
            emit changed();
            emit rowSwitched();
        });
    }
    auto* arrows = new QVBoxLayout;
    arrows->addStretch();
    arrows->addWidget(toLower_);
    arrows->addWidget(toUpper_);
    arrows->addStretch();
    auto* body = new QHBoxLayout;
    body->setSpacing(4);
    body->addWidget(lines_);
    body->addLayout(arrows);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(head);
    layout->addSpacing(6);
    layout->addLayout(titles);
    layout->addLayout(body);
    layout->addStretch();

    chooser_ = new ChooserPopup(this);
    blinkTimer_ = new QTimer(this);
    blinkTimer_->setInterval(kBlinkMs);
    connect(blinkTimer_, &QTimer::timeout, this, [this] {
        editor_.Panel().BlinkTick();
        UpdateTypeLabel();
    });
    connect(scrollBar_, &QScrollBar::valueChanged, this, [this](int position) {
        if (refreshing_) return;
        editor_.ScrollPanelTo(position);
        Refresh();
    });
    Refresh();
}

void TerminalPanelWidget::UpdateTypeLabel() {
    const TerminalPanel& panel = editor_.Panel();
    typeLabel_->setText(FromRecord(panel.TypeLabel()));
    typeLabel_->setStyleSheet(panel.Blinking() ? QStringLiteral("color: #d00000;") : QString());
}

void TerminalPanelWidget::Refresh() {
    refreshing_ = true;
    const TerminalPanel& panel = editor_.Panel();
    moduleLabel_->setText(QString::fromStdString(panel.ModuleLabel()));
    scrollBar_->setValue(panel.ShownModule());
    UpdateTypeLabel();
    if (panel.Blinking() && !blinkTimer_->isActive()) blinkTimer_->start();
    if (!panel.Blinking()) blinkTimer_->stop();

    const TIoRecord* row = editor_.CurrentRow();
    const QColor levelBackground = palette().color(QPalette::Base);
    const QColor noLevel = palette().color(QPalette::Window);
    for (int line = 1; line <= kTerminalLines; ++line) {
        const TerminalPanel::Line shown = panel.LineAt(line, row);
        QTableWidgetItem* label = lines_->item(line - 1, kLabelColumn);
        label->setText(FromRecord(shown.label));
        label->setFlags(Qt::ItemIsEnabled);
        label->setTextAlignment(Qt::AlignCenter);
        label->setBackground(noLevel);
        QTableWidgetItem* designation = lines_->item(line - 1, kDesignationColumn);
        // A line being edited keeps its editor's text.
        if (!lines_->indexWidget(lines_->indexFromItem(designation))) designation->setText(FromRecord(shown.designation));
        designation->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
        QTableWidgetItem* level = lines_->item(line - 1, kLevelColumn);
        level->setText(FromRecord(shown.level).trimmed());
        level->setFlags(Qt::ItemIsEnabled);
        level->setTextAlignment(Qt::AlignCenter);
        level->setBackground(shown.levelEditable ? levelBackground : noLevel);
    }

    const IoEditor::RowSwitch offered = editor_.RowSwitchOffered();
    toLower_->setVisible(offered == IoEditor::RowSwitch::ToLower);
    toUpper_->setVisible(offered == IoEditor::RowSwitch::ToUpper);
    refreshing_ = false;
}

void TerminalPanelWidget::OpenLevelChooser(int line, QPoint globalPosition) {
    QStringList items;
    for (const auto& item : editor_.LevelChooserItems(line)) items << FromRecord(item);
    if (items.isEmpty()) return;
    const int bottom = lines_->viewport()->mapToGlobal(QPoint(0, lines_->viewport()->height())).y();
    chooser_->Open(items, globalPosition + QPoint(4, 4), bottom, [this, line](int item) {
        editor_.ChooseLevel(line, std::size_t(item));
        emit changed();
    });
}

bool TerminalPanelWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched != lines_->viewport()) return QWidget::eventFilter(watched, event);
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QModelIndex index = lines_->indexAt(mouse->position().toPoint());
    const int line = index.isValid() ? index.row() + 1 : 0;
    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton && line) {
        if (index.column() == kLevelColumn) {
            OpenLevelChooser(line, mouse->globalPosition().toPoint());
            return true;
        }
        dragFromLine_ = index.column() == kDesignationColumn ? line : 0;
        return false;
    }
    if (type == QEvent::MouseMove && dragFromLine_ && (mouse->buttons() & Qt::LeftButton)) {
        if (line && line != dragFromLine_)
            lines_->viewport()->setCursor(Qt::DragMoveCursor);
        else
            lines_->viewport()->unsetCursor();
        return false;
    }
    if (type == QEvent::MouseButtonRelease && dragFromLine_) {
        const int from = dragFromLine_;
        dragFromLine_ = 0;
        lines_->viewport()->unsetCursor();
        if (line && line != from) {
            editor_.MoveDesignation(from, line);
            emit changed();
            lines_->setCurrentCell(line - 1, kDesignationColumn);
            return true;
        }
    }
    return false;
}

}  // namespace ovis::gui
