#include "led/gui/led_font_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/gui/text_conversion.h"

namespace ovis::gui {
namespace {

constexpr int kSmallestSize = 1;
constexpr int kLargestSize = 7;

}  // namespace

LedFontDialog::LedFontDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Schriftart"));
    family_ = new QFontComboBox(this);
    family_->setWritingSystem(QFontDatabase::Latin);
    family_->setEditable(false);
    size_ = new QSpinBox(this);
    size_->setRange(kSmallestSize, kLargestSize);
    bold_ = new QCheckBox(QStringLiteral("Fett"), this);
    italic_ = new QCheckBox(QStringLiteral("Kursiv"), this);
    underline_ = new QCheckBox(QStringLiteral("Unterstrichen"), this);
    strikeOut_ = new QCheckBox(QStringLiteral("Durchgestrichen"), this);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Schriftart:"), family_);
    form->addRow(QStringLiteral("Schriftgrad:"), size_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    for (QCheckBox* box : {bold_, italic_, underline_, strikeOut_}) layout->addWidget(box);
    layout->addWidget(buttons);
}

void LedFontDialog::SetChoice(const FontChoice& choice) {
    family_->setCurrentFont(QFont(FromRecord(choice.name)));
    size_->setValue(choice.pointSize);
    bold_->setChecked(choice.style & kFontBold);
    italic_->setChecked(choice.style & kFontItalic);
    underline_->setChecked(choice.style & kFontUnderline);
    strikeOut_->setChecked(choice.style & kFontStrikeOut);
}

std::optional<FontChoice> LedFontDialog::Choice() const {
    const auto name = ToRecord(family_->currentFont().family());
    if (!name) return std::nullopt;
    std::uint8_t style = 0;
    if (bold_->isChecked()) style |= kFontBold;
    if (italic_->isChecked()) style |= kFontItalic;
    if (underline_->isChecked()) style |= kFontUnderline;
    if (strikeOut_->isChecked()) style |= kFontStrikeOut;
    return FontChoice{*name, size_->value(), style};
}

}  // namespace ovis::gui
