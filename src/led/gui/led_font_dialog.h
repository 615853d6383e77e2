#pragma once
// The font dialog of "Schriftart...": fonts that cover Latin-1, sizes 1 to 7, bold, italic,
// underline and strike-out.
#include <QDialog>
#include <optional>

#include "platform/font_rasterizer.h"

class QCheckBox;
class QFontComboBox;
class QSpinBox;

namespace ovis::gui {

class LedFontDialog : public QDialog {
    Q_OBJECT
public:
    explicit LedFontDialog(QWidget* parent = nullptr);

    void SetChoice(const FontChoice& choice);
    // Nothing when the chosen name cannot be stored (code page 1252).
    std::optional<FontChoice> Choice() const;

    QFontComboBox* Family() const { return family_; }
    QSpinBox* Size() const { return size_; }

private:
    QFontComboBox* family_ = nullptr;
    QSpinBox* size_ = nullptr;
    QCheckBox* bold_ = nullptr;
    QCheckBox* italic_ = nullptr;
    QCheckBox* underline_ = nullptr;
    QCheckBox* strikeOut_ = nullptr;
};

}  // namespace ovis::gui
