#include "link/gui/Zel_CounterOnline.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "link/counter_online_rows.h"
#include "link/counter_values.h"
#include "link/online_poll.h"
#include "platform/gui/text_conversion.h"

namespace ovis::gui {

namespace {

constexpr int kColumnWidths[kCounterOnlineColumns] = {24, 128, 128, 47, 56, 56, 49, 53, 128, 22};
const char* const kHeadings[] = {"Nr", "Meldung", "Zählung", "Zählart", "Stand- Zähler -Ende",
                                 "Auto. DIS.", "Status", "Anzeige", "dx"};

}  // namespace

TFormCounterOnline::TFormCounterOnline(Services services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      services_(std::move(services)) {
    setObjectName("FormCounterOnline");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8(kCounterOnlineCaption));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 0, 8, 8);
    auto* bar = new QMenuBar(this);
    layout->setMenuBar(bar);
    QMenu* datei = bar->addMenu(QStringLiteral("Datei"));
    QAction* schliessen = datei->addAction(QStringLiteral("Schließen"));
    schliessen->setObjectName("Schliessen");
    connect(schliessen, &QAction::triggered, this, [this] { SchliessenClick(); });
    QMenu* help = bar->addMenu(QStringLiteral("?"));
    QAction* hilfe = help->addAction(QStringLiteral("Hilfe"));
    hilfe->setObjectName("Hilfe1");
    connect(hilfe, &QAction::triggered, this, [this] { Hilfe1Click(); });

    auto* headings = new QWidget(this);
    auto* headingRow = new QHBoxLayout(headings);
    headingRow->setContentsMargins(0, 0, 0, 0);
    for (const char* text : kHeadings) headingRow->addWidget(new QLabel(QString::fromUtf8(text), headings));
    layout->addWidget(headings);

    grid_ = new QTableWidget(this);
    grid_->setObjectName("StringGrid1");
    grid_->setColumnCount(kCounterOnlineColumns);
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int c = 0; c < kCounterOnlineColumns; ++c) grid_->setColumnWidth(c, kColumnWidths[c]);
    layout->addWidget(grid_, 1, Qt::AlignLeft);
    setFixedSize(kClientWidth, kClientHeight + bar->sizeHint().height());

    timer1_.setInterval(kTimerMs);
    timer1_.setSingleShot(true);
    connect(&timer1_, &QTimer::timeout, this, [this] { Timer1Timer(); });
    timer2_.setInterval(kTimerMs);
    timer2_.setSingleShot(true);
    connect(&timer2_, &QTimer::timeout, this, [this] { Timer2Timer(); });
}

void TFormCounterOnline::FillRows() {
    const std::size_t count = services_.counters.Count();
    grid_->setRowCount(CounterOnlineRows(count));
    grid_->setFixedWidth(CounterOnlineGridWidth(count));
    for (int r = 0; r < grid_->rowCount(); ++r) {
        auto* number = new QTableWidgetItem();
        number->setBackground(Qt::yellow);
        grid_->setItem(r, 0, number);
        for (int c = 1; c < kCounterOnlineColumns; ++c) grid_->setItem(r, c, new QTableWidgetItem());
    }
    for (std::size_t k = 0; k < count; ++k) {
        const CounterOnlineRow cells = CounterOnlineCells(services_.counters.Rows()[k], int(k + 1));
        for (int c = 0; c < kCounterOnlineColumns; ++c) grid_->item(int(k), c)->setText(FromRecord(cells[std::size_t(c)]));
    }
}

void TFormCounterOnline::FormShow() {
    if (services_.openChanged) services_.openChanged(true);
    reading_ = true;
    FillRows();
    show();
    timer1_.start();
}

void TFormCounterOnline::Timer1Timer() {
    timer1_.stop();
    inTick_ = true;
    Link& link = services_.link;
    auto& counters = services_.counters;
    if (counters.Count() > 0 && link.Result() == LinkResult::Ok) {
        const auto values =
            ReadCounterValues(link, services_.address(), services_.firstCounterNumber(), int(counters.Count()));
        for (std::size_t k = 0; k < values.size() && k < counters.Count(); ++k) {
            if (!values[k]) continue;
            counters.Rows()[k].Stand = *values[k];
            grid_->item(int(k), kCounterStandColumn)->setText(FromRecord(CounterStandText(counters.Rows()[k])));
        }
    }
    inTick_ = false;
    if (link.Result() != LinkResult::Aborted && !closing_) timer1_.start();
}

void TFormCounterOnline::Timer2Timer() {
    timer2_.stop();
    reading_ = false;
    if (!inTick_ && !timer1_.isActive()) {
        close();
        return;
    }
    reading_ = true;
    close();
}

void TFormCounterOnline::Hilfe1Click() {
    if (services_.showHelp) services_.showHelp(kHilfeContext);
}

void TFormCounterOnline::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && services_.showHelp) {
        services_.showHelp(kHelpContext);
        return;
    }
    QWidget::keyPressEvent(event);
}

void TFormCounterOnline::closeEvent(QCloseEvent* event) {
    if (reading_) {
        event->ignore();
        closing_ = true;
        services_.link.RequestAbort();
        services_.link.SetResult(LinkResult::Aborted);
        timer2_.start();
        return;
    }
    timer1_.stop();
    EndOnline(services_.link, services_.progressWindows);
    services_.actions.SetLinkIdle(true);
    if (services_.openChanged) services_.openChanged(false);
    grid_->clearContents();
    QWidget::closeEvent(event);
}

}  // namespace ovis::gui
