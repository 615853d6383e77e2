#pragma once
// TFormInfo: the about box.
#include <QDialog>

class QPushButton;

namespace ovis::gui {

inline constexpr const char* kProgramName = "Ovis";
inline constexpr const char* kVersionText = "1.5  vom  01.01.2006";

class TFormInfo : public QDialog {
    Q_OBJECT
public:
    explicit TFormInfo(QWidget* parent = nullptr);
    QPushButton* OkButton() const { return ok_; }

private:
    QPushButton* ok_;
};

}  // namespace ovis::gui
