#pragma once
// TFormModule: the module settings dialog "Moduleinstellungen".
#include <QDialog>
#include <array>
#include <functional>

#include "led/module_settings.h"

class QComboBox;
class QLineEdit;

namespace ovis::gui {

class TFormModule : public QDialog {
    Q_OBJECT
public:
    // `areaWidth`: the width of the display panel in which "Übernehmen" lays the pictures out.
    TFormModule(LedParameters& parameters, int areaWidth, QWidget* parent = nullptr);

    // Shows the help page of a context number.
    void SetHelpHandler(std::function<void(int)> handler) { showHelp_ = std::move(handler); }

    ModuleSettings& Model() { return model_; }
    QComboBox* CountList() const { return count_; }
    QLineEdit* Field(ModuleSettingField field) const { return fields_[std::size_t(field)]; }

    void UebernehmenClick();
    void AbbrechenClick();
    void HilfeClick();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* NumberField();
    void FieldKeyUp(ModuleSettingField field);

    ModuleSettings model_;
    int areaWidth_;
    std::function<void(int)> showHelp_;
    QComboBox* count_ = nullptr;
    std::array<QLineEdit*, 6> fields_{};
};

// Shows "Moduleinstellungen" modally. On "Übernehmen" the live parameter record takes the edits,
// the module pictures are laid out anew for a panel `areaWidth` pixels wide and true is returned:
// the caller then enters the LED editing state and rebuilds the display. "Abbrechen" and closing
// discard the edits and return false.
bool ShowModuleSettings(QWidget* parent, LedParameters& parameters, int areaWidth,
                        std::function<void(int)> showHelp = {});

}  // namespace ovis::gui
