#pragma once
// TFormHilfe: the help window, showing the HTML help pages of the base directory, or the pages
// installed with the program when the base directory has none.
#include <QWidget>
#include <filesystem>
#include <optional>

class QTextBrowser;
class QToolButton;

namespace ovis::gui {

// The help pages installed with the program ("share/ovis/Hilfe" beside the program's "bin").
std::filesystem::path InstalledHelpDirectory();
// The help folder in use for a base directory (HelpDirectory over the file system).
std::filesystem::path HelpDirectoryInUse(const std::filesystem::path& baseDirectory,
                                         const std::filesystem::path& installedDirectory);

class TFormHilfe : public QWidget {
    Q_OBJECT
public:
    TFormHilfe(std::filesystem::path baseDirectory, std::filesystem::path installedDirectory,
               QWidget* parent = nullptr);

    // Shows the page of a help context (the contents page when it has none) and brings the
    // window to the front.
    void ShowContext(int context);
    // Shows the contents page.
    void ShowContents();
    void SetBaseDirectory(std::filesystem::path baseDirectory) { base_ = std::move(baseDirectory); }

    QTextBrowser* Browser() const { return browser_; }

private:
    void ShowPage(const std::optional<std::filesystem::path>& page);

    std::filesystem::path HelpFolder() const { return HelpDirectoryInUse(base_, installed_); }

    std::filesystem::path base_;
    std::filesystem::path installed_;
    QTextBrowser* browser_;
};

}  // namespace ovis::gui
