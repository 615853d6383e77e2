#include "visualisation/gui/Zel_VisInit.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "platform/gui/text_conversion.h"
#include "records/codepage.h"
#include "visualisation/gui/Zel_Visualisierung.h"
#include "visualisation/visu_parameters.h"
#include "visualisation/visu_window_model.h"

namespace ovis::gui {
namespace {

constexpr int kTitleLength = 80;

QTableWidget* Grid(int rows, const QStringList& columns, QWidget* parent) {
    auto* grid = new QTableWidget(rows, int(columns.size()), parent);
    grid->setHorizontalHeaderLabels(columns);
    grid->verticalHeader()->setVisible(false);
    return grid;
}

void SetCell(QTableWidget* grid, int row, int column, const QString& text, bool editable = true) {
    auto* item = new QTableWidgetItem(text);
    if (!editable) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    grid->setItem(row, column, item);
}

QString CellText(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}

}  // namespace

TFormVisInit::TFormVisInit(Dialogs& dialogs, TFormVisualisierung& visualisation, QWidget* parent)
    : QWidget(parent, Qt::Window), dialogs_(dialogs), visualisation_(visualisation) {
    setWindowTitle(QString::fromUtf8(kVisInitCaption));
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    objekt_ = new QLineEdit(this);
    gruppen_ = new QLineEdit(this);
    for (QLineEdit* edit : {objekt_, gruppen_}) {
        edit->setFont(fixed);
        edit->setMaxLength(kTitleLength);
        edit->setMinimumWidth(QFontMetrics(fixed).horizontalAdvance(QString(kTitleLength + 2, QChar('M'))));
        connect(edit, &QLineEdit::textEdited, this, [this] { changed_ = true; });
    }
    lifts_ = Grid(kVisuLifts, {"Aufzug", "Halte", "1.Halt", "Gruppe", "Seiten", "Statusmel.", QString::fromUtf8("Störmel.")},
                  this);
    texts_ = Grid(kVisuTextLines, {"", "Statusmeldung", QString::fromUtf8("Störmeldung")}, this);
    stops_ = Grid(kVisuStops, {"Halt", "Bez."}, this);
    for (int row = 0; row < kVisuLifts; ++row) SetCell(lifts_, row, 0, "     " + QString::number(row + 1), false);
    for (int row = 0; row < kVisuTextLines; ++row) SetCell(texts_, row, 0, QString::number(row + 1), false);
    for (int row = 0; row < kVisuStops; ++row) SetCell(stops_, row, 0, QString::number(row + 1), false);
    connect(lifts_, &QTableWidget::cellChanged, this, &TFormVisInit::LiftCellChanged);
    for (QTableWidget* grid : {texts_, stops_})
        connect(grid, &QTableWidget::cellChanged, this, [this] {
            if (!filling_) changed_ = true;
        });

    auto* ansicht = new QPushButton("Ansicht", this);
    auto* hilfe = new QPushButton("Hilfe", this);
    connect(ansicht, &QPushButton::clicked, this, [this] { AnsichtClick(); });
    connect(hilfe, &QPushButton::clicked, this, [this] { visualisation_.ShowHelp(kVisInitHelpContext); });

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel("Objektbezeichnung", this), 0, 0);
    layout->addWidget(objekt_, 0, 1, 1, 2);
    layout->addWidget(new QLabel("Gruppeneinteilung", this), 1, 0);
    layout->addWidget(gruppen_, 1, 1, 1, 2);
    layout->addWidget(lifts_, 2, 0, 1, 3);
    layout->addWidget(texts_, 3, 0, 1, 2);
    layout->addWidget(stops_, 3, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ansicht);
    buttons->addWidget(hilfe);
    layout->addLayout(buttons, 4, 0, 1, 3);
}

void TFormVisInit::Open(const TGrafikRecord& record) {
    record_ = record;
    const VisInitValues v = VisInitValuesOf(record);
    filling_ = true;
    objekt_->setText(FromRecord(v.objektbezeichnung));
    gruppen_->setText(FromRecord(v.gruppeneinteilung));
    for (int lift = 0; lift < kVisuLifts; ++lift)
        for (int c = 0; c < kVisuLiftParameters; ++c) SetCell(lifts_, lift, c + 1, QString::number(v.lifts[lift][c]));
    for (int k = 0; k < kVisuTextLines; ++k) {
        SetCell(texts_, k, 1, FromRecord(v.status[k]));
        SetCell(texts_, k, 2, FromRecord(v.faults[k]));
    }
    for (int k = 0; k < kVisuStops; ++k) SetCell(stops_, k, 1, FromRecord(v.stops[k]));
    filling_ = false;
    changed_ = false;
    show();
    raise();
}

void TFormVisInit::LiftCellChanged(int row, int column) {
    if (filling_ || column < 1) return;
    changed_ = true;
    const LiftCellCheck check = CheckLiftCell(column - 1, CellText(lifts_, row, column).toStdString());
    if (!check.message) return;
    dialogs_.Warning(*check.message);
    filling_ = true;
    lifts_->item(row, column)->setText(QString::number(check.value));
    filling_ = false;
}

bool TFormVisInit::AnsichtClick() {
    VisInitValues v;
    bool representable = true;
    auto take = [&representable](const QString& text) {
        const auto bytes = ToRecord(text);
        if (!bytes) representable = false;
        return bytes.value_or(std::string());
    };
    v.objektbezeichnung = take(objekt_->text());
    v.gruppeneinteilung = take(gruppen_->text());
    for (int lift = 0; lift < kVisuLifts; ++lift)
        for (int c = 0; c < kVisuLiftParameters; ++c) v.lifts[lift][c] = CellText(lifts_, lift, c + 1).toInt();
    for (int k = 0; k < kVisuTextLines; ++k) {
        v.status[k] = take(CellText(texts_, k, 1));
        v.faults[k] = take(CellText(texts_, k, 2));
    }
    for (int k = 0; k < kVisuStops; ++k) v.stops[k] = take(CellText(stops_, k, 1));
    if (!representable) {
        dialogs_.Warning(kTextNotRepresentable);
        return false;
    }
    ApplyVisInitValues(record_, v);
    visualisation_.ShowEdited(record_);
    return true;
}

void TFormVisInit::closeEvent(QCloseEvent* event) {
    if (changed_) {
        const Answer answer = dialogs_.Show(BoxKind::Question, kVisuParameterChangesQuestion, Buttons::YesNoCancel);
        if (answer == Answer::Cancel) return event->ignore();
        if (answer == Answer::Yes && !(AnsichtClick() && visualisation_.Save())) return event->ignore();
        changed_ = false;
    }
    event->accept();
}

}  // namespace ovis::gui
