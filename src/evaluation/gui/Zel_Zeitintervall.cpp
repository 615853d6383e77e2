#include "evaluation/gui/Zel_Zeitintervall.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "evaluation/analyser_edit.h"
#include "evaluation/analyser_time_labels.h"
#include "platform/gui/text_conversion.h"

namespace ovis::gui {
namespace {

QTime TimeOf(const TTimeStamp& t) { return QTime(t.Std, t.Min, t.Sek); }

void TakeTime(TTimeStamp& t, const QTime& time) {
    t.Std = time.hour();
    t.Min = time.minute();
    t.Sek = time.second();
    t.MSek = 0;
    t.Misek = 0;
}

// "hh:mm:ss" of a time label.
QString SecondsLabel(const TTimeStamp& t) { return QString::fromStdString(TimeLabel(t)).left(8); }

}  // namespace

TFormZeitintervall::TFormZeitintervall(Mode mode, TRecording& recording, Dialogs& dialogs, std::vector<int> messages,
                                       const std::string& caption, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint),
      mode_(mode),
      recording_(recording),
      dialogs_(dialogs),
      messages_(std::move(messages)),
      file_(InitialTimeRange(recording)),
      range_(file_) {
    setObjectName("Zel_Zeitintervall");
    setAttribute(Qt::WA_DeleteOnClose);
    const bool eventRange = mode == Mode::EventRange;
    setWindowTitle(eventRange ? FromCore(caption) : QStringLiteral("Dateigrenzen festlegen"));
    setFixedSize(kWidth, eventRange ? kEventRangeHeight : kFileLimitsHeight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(4);
    auto* bar = new QMenuBar(this);
    layout->setMenuBar(bar);
    QMenu* bereich = bar->addMenu(QStringLiteral("&Bereich"));
    activated_ = bereich->addAction(QStringLiteral("Zeitbereich aktiviert"));
    activated_->setObjectName("Zeitbereichaktiviert");
    activated_->setCheckable(true);
    activated_->setChecked(true);
    activated_->setVisible(eventRange);
    QAction* apply = bereich->addAction(QStringLiteral("Übernehmen"), this, [this] { UebernehmenClick(); });
    apply->setObjectName("Uebernehmen");
    QAction* cancel = bereich->addAction(QStringLiteral("Abbrechen"), this, [this] { AbbrechenClick(); });
    cancel->setObjectName("Abbrechen");
    QMenu* help = bar->addMenu(QStringLiteral("&?"));
    help->addAction(QStringLiteral("Hilfe"), this, [this] {
        if (showHelp) showHelp(kHelpContext);
    })->setObjectName("Hilfe");

    auto* edits = new QHBoxLayout;
    edits->addWidget(EditBox(eventRange ? QStringLiteral(" Beginn ") : QStringLiteral(" Dateibeginn "), "Beginn", beginDate_,
                             beginTime_));
    edits->addWidget(EditBox(eventRange ? QStringLiteral(" Ende ") : QStringLiteral(" Dateiende "), "Ende", endDate_, endTime_));
    layout->addLayout(edits);
    if (eventRange) {
        auto* files = new QHBoxLayout;
        files->addWidget(FileBox(QStringLiteral(" Dateibeginn "), "Dateibeginn", file_.begin));
        files->addWidget(FileBox(QStringLiteral(" Dateiende "), "Dateiende", file_.end));
        layout->addLayout(files);
    }
    layout->addStretch();

    beginTime_->setTime(TimeOf(range_.begin));
    endTime_->setTime(TimeOf(range_.end));
    ShowDates();
    for (QTimeEdit* time : {beginTime_, endTime_}) connect(time, &QTimeEdit::timeChanged, this, [this] { TimeChanged(); });
}

QGroupBox* TFormZeitintervall::EditBox(const QString& title, const char* objectName, QLineEdit*& date, QTimeEdit*& time) {
    auto* box = new QGroupBox(title);
    box->setObjectName(objectName);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 4, 6, 4);
    date = new QLineEdit;
    date->setReadOnly(true);
    date->setObjectName(QStringLiteral("%1Datum").arg(QLatin1String(objectName)));
    time = new QTimeEdit;
    time->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    time->setObjectName(QStringLiteral("%1Uhrzeit").arg(QLatin1String(objectName)));
    grid->addWidget(new QLabel(QStringLiteral("Datum:")), 0, 0);
    grid->addWidget(date, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Uhrzeit:")), 1, 0);
    grid->addWidget(time, 1, 1);
    return box;
}

QGroupBox* TFormZeitintervall::FileBox(const QString& title, const char* objectName, const TTimeStamp& stamp) {
    auto* box = new QGroupBox(title);
    box->setObjectName(objectName);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->addWidget(new QLabel(QStringLiteral("Datum:")), 0, 0);
    grid->addWidget(new QLabel(QString::fromStdString(DateLabel(stamp))), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Uhrzeit:")), 1, 0);
    grid->addWidget(new QLabel(SecondsLabel(stamp)), 1, 1);
    return box;
}

QGroupBox* TFormZeitintervall::Box(const char* objectName) const { return findChild<QGroupBox*>(objectName); }

QAction* TFormZeitintervall::Action(const char* objectName) const { return findChild<QAction*>(objectName); }

void TFormZeitintervall::TimeChanged() {
    TakeTime(range_.begin, beginTime_->time());
    TakeTime(range_.end, endTime_->time());
    if (mode_ == Mode::EventRange)
        FollowDatesInEventRange(range_, file_);
    else
        FollowDatesInFileLimits(range_);
    ShowDates();
}

void TFormZeitintervall::ShowDates() {
    beginDate_->setText(QString::fromStdString(DateLabel(range_.begin)));
    endDate_->setText(QString::fromStdString(DateLabel(range_.end)));
}

void TFormZeitintervall::Tell(BoxKind kind, const std::string& text) {
    telling_ = true;
    dialogs_.Show(kind, text);
    telling_ = false;
}

void TFormZeitintervall::UebernehmenClick() {
    bool applied = false;
    if (mode_ == Mode::EventRange) {
        if (!RangeIsValid(range_)) {
            Tell(BoxKind::Information, WrongRangeText());
            return;
        }
        applied = ApplyEventRange(recording_, messages_, range_, activated_->isChecked());
        if (!applied) Tell(BoxKind::Warning, CapacityRefusalText(recording_.Count() + 2 * messages_.size()));
    } else {
        applied = ApplyFileLimits(recording_, range_);
        if (!applied) Tell(BoxKind::Warning, CapacityRefusalText(recording_.Count() + BlockSize(recording_)));
    }
    if (applied && onApplied) onApplied();
    close();
}

bool TFormZeitintervall::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate && !telling_ && isVisible()) close();
    return QWidget::event(event);
}

}  // namespace ovis::gui
