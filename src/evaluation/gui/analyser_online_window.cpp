#include "evaluation/gui/analyser_online_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>

#include "evaluation/analyser_cells.h"
#include "evaluation/analyser_navigation.h"
#include "evaluation/gui/analyser_diagram.h"
#include "evaluation/gui/analyser_names.h"
#include "platform/gui/text_conversion.h"

namespace ovis::gui {

// The names (yellow) and the diagram of the online analyser in one widget.
class OnlineChart : public QWidget {
public:
    explicit OnlineChart(const AnalyserOnlineModel& model, QWidget* parent) : QWidget(parent), model_(model) {
        setObjectName("Diagramm");
        FitColumns();
    }
    // Repaints the cells of `column` (1-based).
    void FitColumns() {
        setFixedSize(AnalyserNames::kWidth + model_.Columns() * kCellWidth,
                     DiagramImageHeight(model_.Rows().DiagramRows()));
    }
    void UpdateColumn(int column) {
        update(QRect(AnalyserNames::kWidth + (column - 1) * kCellWidth, 0, kCellWidth, height()));
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        const int rows = model_.Rows().DiagramRows();
        const QRect dirty = event->rect();
        if (dirty.left() < AnalyserNames::kWidth) {
            painter.fillRect(0, 0, AnalyserNames::kWidth, height(), Qt::yellow);
            painter.setPen(Qt::black);
            for (int row = 1; row <= model_.Rows().Count(); ++row)
                painter.drawText(QRect(0, (row - 1) * kRowPitch, AnalyserNames::kWidth, kCellHeight),
                                 Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral(" ") + FromRecord(model_.Rows().Name(row)));
        }
        const DiagramLook look;
        const int first = std::max(1, (dirty.left() - AnalyserNames::kWidth) / kCellWidth + 1);
        const int last = std::min(model_.Columns(), (dirty.right() - AnalyserNames::kWidth) / kCellWidth + 1);
        for (int column = first; column <= last; ++column) {
            const int x = AnalyserNames::kWidth + (column - 1) * kCellWidth;
            const bool cursor = column == model_.Cursor();
            for (int row = 1; row <= rows; ++row) {
                const int y = (row - 1) * kRowPitch;
                painter.fillRect(x, y, kCellWidth, kCellHeight, ColourOf(BackgroundOf(row, column, cursor, look)));
                if (row > model_.Rows().Count()) continue;
                for (const MarkRange& mark : WhiteMarks(model_.State(row, column)))
                    painter.fillRect(x + mark.from, y + kMarkTop, mark.to - mark.from, kCellHeight - kMarkTop, Qt::white);
            }
        }
    }

private:
    const AnalyserOnlineModel& model_;
};

TFormAnalyserOnline::TFormAnalyserOnline(OnlineSource& source, AnalyserRows rows, const QStringList& folderNames,
                                         int folder, std::function<std::string(int)> nameOf, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint),
      source_(source),
      model_(std::move(rows), 60),
      nameOf_(std::move(nameOf)) {
    setObjectName("FormAnalyser");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8(kOnlineCaption));
    setFixedSize(kNormalWidth, kNormalHeight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* bar = new QMenuBar(this);
    layout->setMenuBar(bar);
    auto add = [this](QMenu* menu, const QString& text, const char* name, const QKeySequence& keys,
                      std::function<void()> handler) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
        return action;
    };
    QMenu* datei = bar->addMenu(QStringLiteral("&Datei"));
    for (const auto& [text, name] : {std::pair{"&Speichern", "Speichern"}, std::pair{"&Drucken...", "Drucken"}})
        add(datei, QString::fromUtf8(text), name, {}, [] {})->setEnabled(false);
    add(datei, QStringLiteral("&Schließen"), "Schliessen", {}, [this] { close(); });
    // Editing and search work on recording files only.
    bar->addMenu(QStringLiteral("&Bearbeiten"))->setEnabled(false);
    bar->addMenu(QStringLiteral("&Suchen"))->setEnabled(false);
    QMenu* ansicht = bar->addMenu(QStringLiteral("&Ansicht"));
    add(ansicht, QStringLiteral("Zoom &In"), "ZoomIn", {}, [] {})->setEnabled(false);
    add(ansicht, QStringLiteral("Zoom &Out"), "ZoomOut", {}, [] {})->setEnabled(false);
    add(ansicht, QStringLiteral("&Takt"), "Takt1", QKeySequence(Qt::CTRL | Qt::Key_T), [this] { Takt1Click(); })
        ->setCheckable(true);
    add(ansicht, QStringLiteral("St&art/Stop"), "StartStop1", QKeySequence(Qt::CTRL | Qt::Key_P),
        [this] { StartStop1Click(); });
    QMenu* help = bar->addMenu(QStringLiteral("&?"));
    add(help, QStringLiteral("&Hilfe"), "Hilfe1", QKeySequence(Qt::Key_F1), [this] {
        if (showHelp) showHelp(kOnlineHelpContext);
    });

    auto* area = new QScrollArea(this);
    chart_ = new OnlineChart(model_, area);
    area->setWidget(chart_);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(area, 1);

    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->addWidget(new QLabel(QStringLiteral("Ordner:"), panel));
    folders_ = new QComboBox(panel);
    folders_->setObjectName("Ordner");
    folders_->addItems(folderNames);
    folders_->setCurrentIndex(folder);
    row->addWidget(folders_);
    row->addWidget(new QLabel(QStringLiteral("Meldung:"), panel));
    event_ = new QLabel(panel);
    event_->setObjectName("Meldung");
    row->addWidget(event_, 1);
    layout->addWidget(panel);
    connect(folders_, &QComboBox::activated, this, [this](int index) {
        if (onFolderChosen) onFolderChosen(index);
    });

    timer1_.setInterval(kOnlineTickMs);
    timer1_.setSingleShot(true);
    connect(&timer1_, &QTimer::timeout, this, [this] { Timer1Timer(); });
    closeRetry_.setInterval(kCloseRetryMs);
    closeRetry_.setSingleShot(true);
    connect(&closeRetry_, &QTimer::timeout, this, [this] { close(); });
}

TFormAnalyserOnline::~TFormAnalyserOnline() = default;

QAction* TFormAnalyserOnline::Action(const char* objectName) const { return findChild<QAction*>(objectName); }

std::int64_t TFormAnalyserOnline::NowMs() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start_).count();
}

void TFormAnalyserOnline::StartPolling() { timer1_.start(); }

void TFormAnalyserOnline::Timer1Timer() {
    timer1_.stop();
    inTick_ = true;
    if (model_.Tick(NowMs(), source_.States()))
        for (int column : model_.TakeChangedColumns()) chart_->UpdateColumn(column);
    const OnlineEvent event = source_.CurrentEvent();
    event_->setText(FromRecord(OnlineEventText(nameOf_(event.message), event)));
    const bool goOn = source_.Poll();
    inTick_ = false;
    if (!ending_ && goOn) timer1_.start();
}

void TFormAnalyserOnline::Takt1Click() {
    model_.SetTakt(!model_.Takt(), NowMs());
    Action("Takt1")->setChecked(model_.Takt());
}

void TFormAnalyserOnline::StartStop1Click() { model_.ToggleRunning(); }

void TFormAnalyserOnline::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !screen()) return;
    const bool maximised = isMaximized();
    if (maximised) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        setFixedSize(kNormalWidth, kNormalHeight);
    }
    const int columns = ColumnsForWindow(maximised, screen()->geometry().width());
    if (columns == model_.Columns()) return;
    model_.SetColumns(columns);
    chart_->FitColumns();
    chart_->update();
}

void TFormAnalyserOnline::closeEvent(QCloseEvent* event) {
    if (!ended_) {
        ending_ = true;
        if (inTick_) {
            event->ignore();
            closeRetry_.start();
            return;
        }
        timer1_.stop();
        ended_ = true;
        source_.End();
    }
    if (onClosed) onClosed();
    QWidget::closeEvent(event);
}

}  // namespace ovis::gui
