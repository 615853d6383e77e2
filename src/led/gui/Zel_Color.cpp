#include "led/gui/Zel_Color.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QSlider>
#include <QVBoxLayout>

#include "led/gui/colour_circle.h"
#include "led/gui/tool_window.h"

namespace ovis::gui {
namespace {

constexpr int kHelpContext = 5002;
constexpr int kPaletteColumns = 7;
constexpr int kPartColumns = 14;
constexpr int kCircle = 22;
constexpr int kPartCircle = 18;

QComboBox* CountList(int count) {
    auto* list = new QComboBox;
    for (int n = 1; n <= count; ++n) list->addItem(QString::number(n));
    list->setMaxVisibleItems(count);
    return list;
}

// Part circles in rows of `kPartColumns`, numbered from 1 under each circle.
QWidget* PartRow(std::vector<ColourCircle*>& circles, int count) {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(0);
    for (int p = 0; p < count; ++p) {
        auto* circle = new ColourCircle(kPartCircle);
        circles.push_back(circle);
        const int row = 2 * (p / kPartColumns);
        grid->addWidget(circle, row, p % kPartColumns, Qt::AlignHCenter);
        auto* number = new QLabel(QString::number(p + 1));
        QFont small = number->font();
        small.setPointSizeF(small.pointSizeF() * 0.8);
        number->setFont(small);
        grid->addWidget(number, row + 1, p % kPartColumns, Qt::AlignHCenter);
    }
    grid->setColumnStretch(kPartColumns, 1);
    return box;
}

}  // namespace

TFormColor::TFormColor(const TLedRecord& row, QWidget* parent) : QDialog(parent), model_(row) {
    setObjectName("Zel_Color");
    setWindowTitle(QStringLiteral("Farbverteilung und Helligkeit"));
    MakeToolWindow(this, true);
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    auto* bar = new QMenuBar(this);
    layout->setMenuBar(bar);
    QMenu* edit = bar->addMenu(QStringLiteral("Bearbeitung"));
    edit->addAction(QStringLiteral("Übernehmen"), this, &TFormColor::UebernehmenClick);
    edit->addAction(QStringLiteral("Abbrechen"), this, &TFormColor::AbbrechenClick);
    bar->addMenu(QStringLiteral("Hilfe"))->addAction(QStringLiteral("Hilfe"), this, &TFormColor::HilfeClick);

    // ---- colours ----
    auto* colours = new QGroupBox(QStringLiteral(" Farbverteilung "));
    auto* colourLayout = new QGridLayout(colours);
    colourLayout->addWidget(new QLabel(QStringLiteral("Modulfarben:")), 0, 0, 1, 2);
    auto* paletteGrid = new QGridLayout;
    paletteGrid->setHorizontalSpacing(6);
    for (int n = 1; n <= kPaletteSize; ++n) {
        const int row = (n - 1) / kPaletteColumns;
        if ((n - 1) % kPaletteColumns == 0)
            paletteGrid->addWidget(new QLabel(QStringLiteral("Nr.: %1").arg(n)), row, 0);
        auto* circle = new ColourCircle(kCircle);
        circle->setToolTip(QString::number(n));
        circle->SetColour(Palette()[std::size_t(n - 1)].preview);
        palette_.push_back(circle);
        paletteGrid->addWidget(circle, row, 1 + (n - 1) % kPaletteColumns);
        connect(circle, &ColourCircle::clicked, this, [this, n] {
            model_.ClickPalette(n);
            Redisplay();
        });
    }
    paletteGrid->setColumnStretch(kPaletteColumns + 1, 1);
    colourLayout->addLayout(paletteGrid, 1, 0, 1, 2);
    auto* currentColourRow = new QHBoxLayout;
    currentColourRow->addWidget(new QLabel(QStringLiteral("Aktuelle Farbe:")));
    currentColour_ = new ColourCircle(kCircle);
    currentColourRow->addWidget(currentColour_);
    currentColourRow->addSpacing(24);
    currentColourRow->addWidget(new QLabel(QStringLiteral("Anzahl Farbanteile:")));
    colourCount_ = CountList(kMaxColourParts);
    currentColourRow->addWidget(colourCount_);
    currentColourRow->addStretch();
    colourLayout->addLayout(currentColourRow, 2, 0, 1, 2);
    colourLayout->addWidget(PartRow(colourParts_, kMaxColourParts), 3, 0, 1, 2);
    connect(colourCount_, &QComboBox::activated, this, [this](int index) {
        model_.ChooseColourPartCount(index + 1);
        Redisplay();
    });
    for (int p = 1; p <= kMaxColourParts; ++p)
        connect(ColourPartCircle(p), &ColourCircle::clicked, this, [this, p] {
            model_.ClickColourPart(p);
            Redisplay();
        });
    layout->addWidget(colours);

    // ---- brightness ----
    auto* brightness = new QGroupBox(QStringLiteral(" Helligkeit "));
    auto* brightnessLayout = new QVBoxLayout(brightness);
    brightnessLayout->addWidget(new QLabel(QStringLiteral("Helligkeitsstufen:")));
    auto* levelRow = new QHBoxLayout;
    levelRow->setSpacing(6);
    for (int level = 1; level <= kBrightnessLevels; ++level) {
        auto* circle = new ColourCircle(kCircle);
        circle->setToolTip(QString::number(level));
        circle->SetColour(BrightnessGrey(level));
        levels_.push_back(circle);
        levelRow->addWidget(circle);
        connect(circle, &ColourCircle::clicked, this, [this, level] {
            model_.ClickLevel(level);
            Redisplay();
        });
    }
    levelRow->addStretch();
    brightnessLayout->addLayout(levelRow);
    trackBar_ = new QSlider(Qt::Horizontal);
    trackBar_->setRange(0, kBrightnessLevels - 1);
    trackBar_->setPageStep(1);
    trackBar_->setTickPosition(QSlider::TicksBelow);
    trackBar_->setTickInterval(1);
    trackBar_->setFixedWidth(kBrightnessLevels * (kCircle + 6));
    brightnessLayout->addWidget(trackBar_);
    connect(trackBar_, &QSlider::valueChanged, this, [this](int position) {
        if (filling_) return;
        model_.MoveTrackBar(position);
        Redisplay();
    });
    auto* currentLevelRow = new QHBoxLayout;
    currentLevelRow->addWidget(new QLabel(QStringLiteral("Aktuelle Helligkeitsstufe:")));
    currentLevel_ = new ColourCircle(kCircle);
    currentLevelRow->addWidget(currentLevel_);
    currentLevelRow->addSpacing(24);
    currentLevelRow->addWidget(new QLabel(QStringLiteral("Anzahl Helligkeitsanteile:")));
    brightnessCount_ = CountList(kMaxBrightnessParts);
    currentLevelRow->addWidget(brightnessCount_);
    currentLevelRow->addStretch();
    brightnessLayout->addLayout(currentLevelRow);
    brightnessLayout->addWidget(PartRow(brightnessParts_, kMaxBrightnessParts));
    connect(brightnessCount_, &QComboBox::activated, this, [this](int index) {
        model_.ChooseBrightnessPartCount(index + 1);
        Redisplay();
    });
    for (int p = 1; p <= kMaxBrightnessParts; ++p)
        connect(BrightnessPartCircle(p), &ColourCircle::clicked, this, [this, p] {
            model_.ClickBrightnessPart(p);
            Redisplay();
        });
    layout->addWidget(brightness);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Redisplay();
    adjustSize();
    CentreOnScreen(this);
}

void TFormColor::Redisplay() {
    filling_ = true;
    currentColour_->SetColour(model_.CurrentColourPreview());
    currentLevel_->SetColour(model_.CurrentLevelGrey());
    trackBar_->setValue(model_.TrackBarPosition());
    colourCount_->setCurrentIndex(model_.ColourPartCount() - 1);
    brightnessCount_->setCurrentIndex(model_.BrightnessPartCount() - 1);
    for (int p = 1; p <= kMaxColourParts; ++p) ColourPartCircle(p)->SetColour(model_.ColourPartPreview(p));
    for (int p = 1; p <= kMaxBrightnessParts; ++p) BrightnessPartCircle(p)->SetColour(model_.BrightnessPartGrey(p));
    filling_ = false;
}

void TFormColor::UebernehmenClick() {
    accepted_ = model_.Result();
    accept();
}

void TFormColor::AbbrechenClick() { reject(); }

void TFormColor::HilfeClick() {
    if (showHelp_) showHelp_(kHelpContext);
}

bool ShowColourDistribution(QWidget* parent, LedTable& table, std::size_t currentRow,
                            std::span<const std::size_t> selectedRows, const std::function<void()>& takeSnapshot,
                            std::function<void(int)> showHelp) {
    if (currentRow >= table.Count()) return false;
    TFormColor form(table.Row(currentRow), parent);
    form.SetHelpHandler(std::move(showHelp));
    if (form.exec() != QDialog::Accepted || !form.Accepted()) return false;
    return ApplyColourDistribution(table, selectedRows, *form.Accepted(), takeSnapshot);
}

}  // namespace ovis::gui
