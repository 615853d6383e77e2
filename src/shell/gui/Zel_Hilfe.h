#pragma once
// TFormHilfe: the help window, showing the HTML help pages of the base directory.
#include <QWidget>
#include <filesystem>
#include <optional>

class QTextBrowser;
class QToolButton;

namespace ovis::gui {

class TFormHilfe : public QWidget {
    Q_OBJECT
public:
    explicit TFormHilfe(std::filesystem::path baseDirectory, QWidget* parent = nullptr);

    // Shows the page of a help context (the contents page when it has none) and brings the
    // window to the front.
    void ShowContext(int context);
    // Shows the contents page.
    void ShowContents();
    void SetBaseDirectory(std::filesystem::path baseDirectory) { base_ = std::move(baseDirectory); }

    QTextBrowser* Browser() const { return browser_; }

private:
    void ShowPage(const std::optional<std::filesystem::path>& page);

    std::filesystem::path base_;
    QTextBrowser* browser_;
};

}  // namespace ovis::gui
