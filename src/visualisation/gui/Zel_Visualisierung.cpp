#include "visualisation/gui/Zel_Visualisierung.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QDialog>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/gui/text_conversion.h"
#include "project/grafik_file.h"
#include "records/io_error.h"
#include "visualisation/gui/Zel_VisInit.h"
#include "visualisation/gui/visu_picture.h"
#include "visualisation/visu_parameters.h"

namespace ovis::gui {
namespace {

// The 640 x 480 picture, painted by the window's function at the logical size (crisp on HiDPI).
class PictureWidget final : public QWidget {
public:
    PictureWidget(std::function<void(QPainter&)> paint, QWidget* parent) : QWidget(parent), paint_(std::move(paint)) {
        setFixedSize(kVisuPictureWidth, kVisuPictureHeight);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        paint_(painter);
    }

private:
    std::function<void(QPainter&)> paint_;
};

const char* const kButtonTexts[] = {"Info", "Relais", "Sonder", "Ändern", "Speichern", "<<", "Einfügen/Löschen",
                                    ">>", "Abbrechen", "Hilfe"};

}  // namespace

TFormVisualisierung::TFormVisualisierung(VisualisationServices services, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(std::move(services)), record_(std::make_unique<TGrafikRecord>()) {
    setWindowTitle(kVisuFormCaption);
    *record_ = DefaultGrafikRecord();
    auto* layout = new QVBoxLayout(this);
    picture_ = new PictureWidget(
        [this](QPainter& p) {
            if (scene_) PaintVisuPicture(p, {*record_, *scene_, states_, mode_ == VisuMode::Parameter, footer_});
        },
        this);
    layout->addWidget(picture_);
    auto* row = new QHBoxLayout;
    for (const char* text : kButtonTexts) {
        auto* button = new QPushButton(QString::fromUtf8(text), this);
        button->setAutoDefault(false);
        row->addWidget(button);
        buttons_.push_back(button);
    }
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Button("Info"), &QPushButton::clicked, this, [this] { InfoClick(); });
    connect(Button("Relais"), &QPushButton::clicked, this, [this] { RelaisClick(); });
    connect(Button("Ändern"), &QPushButton::clicked, this, [this] {
        if (!visInit_) visInit_ = new TFormVisInit(services_.dialogs, *this, this);
        visInit_->Open(*record_);
    });
    connect(Button("Speichern"), &QPushButton::clicked, this, [this] { Save(); });
    connect(Button(">>"), &QPushButton::clicked, this, [this] { VorClick(); });
    connect(Button("<<"), &QPushButton::clicked, this, [this] { ZurueckClick(); });
    connect(Button("Einfügen/Löschen"), &QPushButton::clicked, this, [this] { EinfuegenLoeschenClick(); });
    connect(Button("Abbrechen"), &QPushButton::clicked, this, [this] { close(); });
    connect(Button("Hilfe"), &QPushButton::clicked, this, [this] { ShowHelp(kVisuHelpContextBase + int(mode_)); });

    timer_ = new QTimer(this);
    connect(timer_, &QTimer::timeout, this, [this] { mode_ == VisuMode::Online ? OnlineTick() : ReplayTick(); });
}

TFormVisualisierung::~TFormVisualisierung() = default;

QPushButton* TFormVisualisierung::Button(const QString& text) const {
    for (QPushButton* b : buttons_)
        if (b->text() == text || b->objectName() == text) return b;
    return nullptr;
}

bool TFormVisualisierung::Load() {
    try {
        *record_ = LoadGrafik(GrafikPathOfProject(services_.projectDirectory())).record;
    } catch (const IoError& e) {
        services_.dialogs.Error(e.what());
        return false;
    }
    changed_ = false;
    return true;
}

void TFormVisualisierung::Layout() {
    scene_ = std::make_unique<VisuScene>(*record_);
    rows_ = services_.ioRows ? services_.ioRows() : std::vector<TIoRecord>{};
    binding_ = BindVisuMessages(*record_, rows_);
    states_.Clear();
    picture_->update();
}

void TFormVisualisierung::SetMode(VisuMode mode, const std::string& fileName) {
    mode_ = mode;
    setWindowTitle(FromCore(VisuCaption(mode, fileName)));
    const VisuButtons b = VisuButtonsFor(mode, false);
    const bool shown[] = {b.info, b.relais, b.sonder, b.aendern, b.speichern, b.zurueck, b.einfuegenLoeschen,
                          b.vor,  b.abbrechen, b.hilfe};
    for (std::size_t k = 0; k < buttons_.size(); ++k) {
        buttons_[k]->setObjectName(QString::fromUtf8(kButtonTexts[k]));
        buttons_[k]->setText(QString::fromUtf8(kButtonTexts[k]));
        buttons_[k]->setVisible(shown[k]);
    }
    footer_.clear();
}

bool TFormVisualisierung::OpenParameter() {
    timer_->stop();
    if (!Load()) return false;
    SetMode(VisuMode::Parameter);
    Layout();
    MoveCursor(FirstCursorPosition(*record_));
    show();
    raise();
    return true;
}

void TFormVisualisierung::ShowEdited(const TGrafikRecord& record) {
    *record_ = record;
    changed_ = true;
    SetMode(VisuMode::Parameter);
    Layout();
    MoveCursor(FirstCursorPosition(*record_));
    show();
}

bool TFormVisualisierung::OpenOnline() {
    timer_->stop();
    if (!Load()) return false;
    SetMode(VisuMode::Online);
    Layout();
    queue_.Clear();
    show();
    raise();
    return true;
}

void TFormVisualisierung::StartOnlineTimer() { timer_->start(kOnlineTickMs); }

bool TFormVisualisierung::OpenVideo(std::span<const TRecordingEvent> records, const std::string& fileName) {
    timer_->stop();
    if (!Load()) return false;
    SetMode(VisuMode::Video, fileName);
    Layout();
    records_ = records;
    if (services_.clearReplayStop) services_.clearReplayStop();
    replay_ = std::make_unique<ReplayEngine>(records_, services_.clock);
    UpdateReplayTexts(true);
    show();
    raise();
    timer_->start(kReplayTickMs);
    return true;
}

TFormVisInit* TFormVisualisierung::VisInit() const { return visInit_; }

QListWidget* TFormVisualisierung::List() const { return list_; }

void TFormVisualisierung::ShowHelp(int context) {
    if (services_.showHelp) services_.showHelp(context);
}

bool TFormVisualisierung::TimerActive() const { return timer_->isActive(); }

void TFormVisualisierung::OnlineTick() {
    timer_->stop();
    for (const VisuChange& change : queue_.Entries()) states_.Set(change.kind, change.element, change.state);
    queue_.Clear();
    picture_->update();
    if (services_.onlinePoll) services_.onlinePoll();
    if (mode_ == VisuMode::Online && isVisible()) timer_->start(kOnlineTickMs);
}

void TFormVisualisierung::ApplyDraws(std::span<const ReplayDraw> draws) {
    for (const ReplayDraw& draw : draws) {
        const std::size_t row = std::size_t(draw.message) - 1;
        if (row >= binding_.elements.size() || binding_.elements[row] == 0) continue;
        const int kind = binding_.kinds[row];
        states_.Set(kind, binding_.elements[row], VisuStateForLevel(kind, draw.high));
    }
    UpdateReplayTexts(!draws.empty());
}

void TFormVisualisierung::ReplayTick() {
    if (!replay_) return;
    if (services_.replayStopRequested && services_.replayStopRequested()) {
        timer_->stop();
        return;
    }
    ApplyDraws(replay_->Tick());
}

// The picture is painted again only when an element or the footer changed.
void TFormVisualisierung::UpdateReplayTexts(bool drawn) {
    if (!replay_) return;
    Button("Einfügen/Löschen")->setText(FromCore(std::string(replay_->SpeedText())));
    const QString footer =
        FromCore(replay_->Time().DateText() + "  " + replay_->ClockText() + "  " + replay_->StateText());
    if (!drawn && footer == footer_) return;
    footer_ = footer;
    picture_->update();
}

void TFormVisualisierung::MoveCursor(VisuCursorPosition to) {
    if (cursor_.kind != 0) states_.Set(cursor_.kind, cursor_.index, kVisuOff);
    cursor_ = to;
    if (cursor_.kind != 0) states_.Set(cursor_.kind, cursor_.index, kVisuMarked);
    picture_->update();
}

void TFormVisualisierung::VorClick() {
    if (mode_ == VisuMode::Video && replay_) return ApplyDraws(replay_->Faster());
    MoveCursor(NextCursorPosition(*record_, cursor_));
}

void TFormVisualisierung::ZurueckClick() {
    if (mode_ == VisuMode::Video && replay_) return ApplyDraws(replay_->Slower());
    MoveCursor(PreviousCursorPosition(*record_, cursor_));
}

void TFormVisualisierung::EinfuegenLoeschenClick() {
    if (mode_ == VisuMode::Video && replay_) {
        replay_->ToggleSingleStep();
        return UpdateReplayTexts(true);
    }
    if (ToggleElementHidden(*record_, cursor_)) {
        changed_ = true;
        picture_->update();
    }
}

void TFormVisualisierung::ShowList(const char* title, const QStringList& lines, std::function<void(int row)> activated) {
    auto* dialog = new QDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(kVisuFormCaption);
    auto* layout = new QVBoxLayout(dialog);
    auto* label = new QLabel(FromCore(title), dialog);
    label->setFont(QFont(QStringLiteral("Monospace")));
    list_ = new QListWidget(dialog);
    list_->setFont(QFont(QStringLiteral("Monospace")));
    list_->addItems(lines);
    list_->setMinimumWidth(420);
    layout->addWidget(label);
    layout->addWidget(list_);
    if (activated)
        connect(list_, &QListWidget::itemActivated, dialog,
                [this, activated](QListWidgetItem* item) { activated(list_->row(item)); });
    dialog->show();
}

void TFormVisualisierung::InfoClick() {
    if (!services_.readMemory) return;
    const auto bytes = services_.readMemory(kVisuEventListAddress, kVisuEventEntries * kVisuEventEntrySize);
    if (!bytes) return;
    QStringList lines;
    for (const std::string& line : EventListLines(DecodeVisuEventList(*bytes), rows_)) lines << FromRecord(line);
    ShowList(kVisuEventListTitle, lines, {});
}

void TFormVisualisierung::RelaisClick() {
    if (!services_.readMemory) return;
    const auto bytes = services_.readMemory(kVisuRelayStatesAddress, kVisuRelayStateBytes);
    if (!bytes) return;
    relays_ = RelayLines(binding_, *bytes);
    QStringList lines;
    for (const RelayLine& line : relays_) lines << FromRecord(RelayLineText(rows_, line));
    ShowList(kVisuRelayListTitle, lines, [this](int row) {
        if (row < 0 || std::size_t(row) >= relays_.size() || !services_.switchRelay) return;
        RelayLine& line = relays_[std::size_t(row)];
        if (!services_.switchRelay(line.message, !line.on)) return;
        line.on = !line.on;
        if (list_) list_->item(row)->setText(FromRecord(RelayLineText(rows_, line)));
    });
}

bool TFormVisualisierung::Save() {
    try {
        SaveGrafik(GrafikPathOfProject(services_.projectDirectory()), *record_);
    } catch (const IoError& e) {
        services_.dialogs.Error(e.what());
        return false;
    }
    changed_ = false;
    return true;
}

QImage TFormVisualisierung::Picture() const {
    if (!scene_) return {};
    return RenderVisuPicture({*record_, *scene_, states_, mode_ == VisuMode::Parameter, footer_});
}

void TFormVisualisierung::closeEvent(QCloseEvent* event) {
    if (mode_ == VisuMode::Parameter && changed_) {
        const Answer answer = services_.dialogs.Show(BoxKind::Question, kVisuParameterChangesQuestion, Buttons::YesNoCancel);
        if (answer == Answer::Cancel || (answer == Answer::Yes && !Save())) {
            event->ignore();
            return;
        }
        changed_ = false;
    }
    timer_->stop();
    replay_.reset();
    if (visInit_) visInit_->close();
    event->accept();
    if (services_.closed) services_.closed(mode_);
}

}  // namespace ovis::gui
