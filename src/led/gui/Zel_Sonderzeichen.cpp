#include "led/gui/Zel_Sonderzeichen.h"

#include <QEvent>
#include <algorithm>
#include <QGridLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "led/gui/colour_circle.h"
#include "led/gui/tool_window.h"

namespace ovis::gui {
namespace {

constexpr int kHelpContext = 5003;
constexpr int kLedDiameter = 24;

}  // namespace

TFormSonderZchn::TFormSonderZchn(ModulePixels pixels, LedShades shades,
                                 std::function<void(const ModulePixels&)> applied, QWidget* parent)
    : QDialog(parent), model_(pixels), shades_(shades), applied_(std::move(applied)) {
    setObjectName("Zel_Sonderzeichen");
    setWindowTitle(QStringLiteral("Modul bearbeiten"));
    MakeToolWindow(this, true);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* layout = new QVBoxLayout(this);
    auto* bar = new QMenuBar(this);
    layout->setMenuBar(bar);
    bar->addAction(QStringLiteral("Übernehmen"), this, &TFormSonderZchn::UebernehmenClick);
    bar->addAction(QStringLiteral("Abbrechen"), this, &TFormSonderZchn::AbbrechenClick);
    bar->addAction(QStringLiteral("Hilfe"), this, &TFormSonderZchn::HilfeClick);

    auto* module = new QWidget;
    module->setAutoFillBackground(true);
    QPalette black = module->palette();
    black.setColor(QPalette::Window, Qt::black);
    module->setPalette(black);
    auto* grid = new QGridLayout(module);
    grid->setSpacing(6);
    for (int circle = 1; circle <= kModuleLeds; ++circle) {
        auto* led = new ColourCircle(kLedDiameter);
        leds_.push_back(led);
        grid->addWidget(led, (circle - 1) % kModuleRows, (circle - 1) / kModuleRows);
        connect(led, &ColourCircle::clicked, this, [this, circle] {
            model_.Toggle(circle);
            Redisplay();
        });
    }
    layout->addWidget(module, 0, Qt::AlignHCenter);
    allOrNone_ = new QPushButton(QStringLiteral("Alle / Keine"));
    connect(allOrNone_, &QPushButton::clicked, this, [this] {
        model_.AllOrNone();
        Redisplay();
    });
    layout->addWidget(allOrNone_);
    Redisplay();
    // Wide enough for all three menu items.
    const QSize hint = sizeHint();
    setFixedSize(std::max(hint.width(), bar->sizeHint().width() + 2 * layout->contentsMargins().left()), hint.height());
    CentreOnScreen(this);
}

void TFormSonderZchn::Redisplay() {
    for (int circle = 1; circle <= kModuleLeds; ++circle)
        Led(circle)->SetColour(model_.Lit(circle) ? shades_.lit : shades_.dark);
}

void TFormSonderZchn::UebernehmenClick() {
    closing_ = true;
    if (applied_) applied_(model_);
    accept();
}

void TFormSonderZchn::AbbrechenClick() {
    closing_ = true;
    reject();
}

void TFormSonderZchn::HilfeClick() {
    if (showHelp_) showHelp_(kHelpContext);
}

void TFormSonderZchn::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    // Switching to another window discards the drawing.
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow() && !closing_) {
        closing_ = true;
        reject();
    }
}

TFormSonderZchn* ShowModulePixelEditor(QWidget* parent, std::span<const std::uint8_t> picture, int column,
                                       int scrollPosition, LedShades shades,
                                       std::function<void(const ModulePixels&)> applied,
                                       std::function<void()> closed, std::function<void(int)> showHelp) {
    auto* form = new TFormSonderZchn(ModulePixels(picture, ModuleFirstColumn(column, scrollPosition)), shades,
                                     std::move(applied), parent);
    form->SetHelpHandler(std::move(showHelp));
    if (closed) QObject::connect(form, &QDialog::finished, form, [closed = std::move(closed)] { closed(); });
    form->show();
    form->raise();
    form->activateWindow();
    return form;
}

}  // namespace ovis::gui
