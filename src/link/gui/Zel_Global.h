#pragma once
// TFormGlobal: the progress window of an Interface action, with the red text of the current
// step, a progress bar and "Abbrechen". Created per action, freed when the action ends.
#include <QDialog>
#include <functional>
#include <memory>

#include "link/progress.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace ovis::gui {

class TFormGlobal final : public QDialog, public ProgressWindow {
    Q_OBJECT
public:
    // `onAbort` runs when "Abbrechen" is clicked (it requests the abort of the link).
    explicit TFormGlobal(std::function<void()> onAbort, QWidget* parent = nullptr);

    void SetStepText(const std::string& text) override;
    void SetMaximum(int maximum) override;
    void SetPosition(int position) override;

    QProgressBar* ProgressBar1;
    QLabel* Panel1;
    QPushButton* Button1;

    // Shows the window and returns once it is on the screen and painted (or after a second when
    // the window system does not expose it), so that the user sees it before the link starts.
    void ShowPainted();
    int PaintCount() const { return paintCount_; }

private slots:
    void Button1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void reject() override {}  // Escape and the window manager do not close it; "Abbrechen" ends the action

private:
    void Repaint();
    std::function<void()> onAbort_;
    int paintCount_ = 0;
};

// Opens a TFormGlobal per action, centred on the screen and painted at once.
class QtProgressWindows final : public ProgressWindows {
public:
    explicit QtProgressWindows(std::function<void()> onAbort, QWidget* parent = nullptr)
        : onAbort_(std::move(onAbort)), parent_(parent) {}
    std::unique_ptr<ProgressWindow> Open(const std::string& stepText) override;

private:
    std::function<void()> onAbort_;
    QWidget* parent_;
};

}  // namespace ovis::gui
