#include "led/gui/Zel_Moduleinstellung.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "led/gui/tool_window.h"

namespace ovis::gui {
namespace {

constexpr int kHelpContext = 5004;

struct FieldPlace {
    ModuleSettingField field;
    int row;
    int column;
};

constexpr FieldPlace kPlaces[] = {
    {ModuleSettingField::UrsprungX, 1, 1}, {ModuleSettingField::UrsprungY, 1, 2},
    {ModuleSettingField::RasterX, 2, 1},   {ModuleSettingField::RasterY, 2, 2},
    {ModuleSettingField::AbstandX, 3, 1},  {ModuleSettingField::AbstandY, 3, 2},
};

}  // namespace

TFormModule::TFormModule(LedParameters& parameters, int areaWidth, QWidget* parent)
    : QDialog(parent), model_(parameters), areaWidth_(areaWidth) {
    setObjectName("Zel_Moduleinstellung");
    setWindowTitle(QStringLiteral("Moduleinstellungen"));
    MakeToolWindow(this, false);
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    auto* bar = new QMenuBar(this);
    layout->setMenuBar(bar);
    QMenu* settings = bar->addMenu(QStringLiteral("&Einstellungen"));
    settings->addAction(QStringLiteral("Übernehmen"), this, &TFormModule::UebernehmenClick);
    settings->addAction(QStringLiteral("Abbrechen"), this, &TFormModule::AbbrechenClick);
    bar->addMenu(QStringLiteral("&?"))->addAction(QStringLiteral("Hilfe"), this, &TFormModule::HilfeClick);

    auto* modules = new QGroupBox(QStringLiteral(" Module "));
    auto* modulesLayout = new QGridLayout(modules);
    count_ = new QComboBox;
    for (const auto& choice : ModuleSettings::CountChoices()) count_->addItem(QString::fromStdString(choice));
    count_->setMaxVisibleItems(12);
    modulesLayout->addWidget(new QLabel(QStringLiteral("Anzahl:")), 0, 0);
    modulesLayout->addWidget(count_, 0, 1);
    modulesLayout->setColumnStretch(2, 1);
    connect(count_, &QComboBox::activated, this, [this](int index) { model_.ChooseCount(index + 1); });
    layout->addWidget(modules);

    auto* position = new QGroupBox(QStringLiteral(" Position ( Pixel ) "));
    auto* grid = new QGridLayout(position);
    grid->addWidget(new QLabel(QStringLiteral("X")), 0, 1, Qt::AlignHCenter);
    grid->addWidget(new QLabel(QStringLiteral("Y")), 0, 2, Qt::AlignHCenter);
    grid->addWidget(new QLabel(QStringLiteral("Ursprung:")), 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("Raster:")), 2, 0);
    grid->addWidget(new QLabel(QStringLiteral("Modulabstand:")), 3, 0);
    for (const auto& place : kPlaces) {
        QLineEdit* field = NumberField();
        fields_[std::size_t(place.field)] = field;
        grid->addWidget(field, place.row, place.column);
    }
    layout->addWidget(position);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QLineEdit* TFormModule::NumberField() {
    auto* field = new QLineEdit;
    field->setMaxLength(3);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9 ]{0,3}")), field));
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    field->setAlignment(Qt::AlignRight);
    field->installEventFilter(this);
    return field;
}

void TFormModule::showEvent(QShowEvent* event) {
    model_.Open();
    count_->setCurrentIndex(model_.CountIndex());
    for (const auto& place : kPlaces) Field(place.field)->setText(QString::fromStdString(model_.FieldText(place.field)));
    QDialog::showEvent(event);
    CentreOnScreen(this);
}

bool TFormModule::eventFilter(QObject* watched, QEvent* event) {
    for (const auto& place : kPlaces) {
        QLineEdit* field = Field(place.field);
        if (watched != field) continue;
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete) return true;
            // Digits overwrite the character at the cursor.
            if (key->key() >= Qt::Key_0 && key->key() <= Qt::Key_9 && !field->hasSelectedText() &&
                field->cursorPosition() < field->text().size())
                field->setSelection(field->cursorPosition(), 1);
        } else if (event->type() == QEvent::KeyRelease) {
            FieldKeyUp(place.field);
        } else if (event->type() == QEvent::FocusOut) {
            field->setText(QString::fromStdString(model_.FieldText(place.field)));
        }
        return false;
    }
    return QDialog::eventFilter(watched, event);
}

void TFormModule::FieldKeyUp(ModuleSettingField field) {
    QLineEdit* editor = Field(field);
    const ModuleSettingEntry entry = model_.KeyUp(field, editor->text().toStdString());
    if (entry.showsStoredValue) editor->setText(QString::fromStdString(model_.FieldText(field)));
    if (entry.clipped) editor->setFocus();
}

void TFormModule::UebernehmenClick() {
    model_.Apply(areaWidth_);
    accept();
}

void TFormModule::AbbrechenClick() { reject(); }

void TFormModule::HilfeClick() {
    if (showHelp_) showHelp_(kHelpContext);
}

void TFormModule::done(int result) {
    model_.Close();
    QDialog::done(result);
}

bool ShowModuleSettings(QWidget* parent, LedParameters& parameters, int areaWidth, std::function<void(int)> showHelp) {
    TFormModule form(parameters, areaWidth, parent);
    form.SetHelpHandler(std::move(showHelp));
    return form.exec() == QDialog::Accepted;
}

}  // namespace ovis::gui
