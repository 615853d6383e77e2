#pragma once
// TFormOpen: the project browser. The user walks the file system to a project folder and opens
// it with a double click; the window reports the recognised project and closes.
#include <QDialog>
#include <QElapsedTimer>
#include <filesystem>
#include <functional>
#include <vector>

#include "platform/dialogs.h"
#include "shell/project_browser_model.h"

class QComboBox;
class QListView;
class QModelIndex;
class QStackedWidget;
class QStandardItemModel;
class QToolButton;
class QTreeView;
class QAbstractItemView;

namespace ovis::gui {

class TFormOpen : public QDialog {
    Q_OBJECT
public:
    // Starts in base directory + "Projekte".
    TFormOpen(const std::filesystem::path& baseDirectory, Dialogs& dialogs, QWidget* parent = nullptr);
    ~TFormOpen() override;

    void SetHelpHandler(std::function<void(int)> handler) { showHelp_ = std::move(handler); }

    // The result: set when a project was chosen.
    const ProjectRecognition& Result() const { return result_; }

    const std::filesystem::path& CurrentFolder() const { return folder_; }
    const std::vector<BrowserItem>& Items() const { return items_; }
    BrowserViewStyle ViewStyle() const { return style_; }
    QComboBox* PathBox() const { return pathBox_; }
    QTreeView* ReportView() const { return reportView_; }
    QListView* ListView() const { return listView_; }
    // The view shown in the current style.
    QAbstractItemView* ItemView() const;
    QToolButton* BackButton() const { return backButton_; }
    QToolButton* BrowseButton() const { return browseButton_; }
    QToolButton* ListButton() const { return listButton_; }
    QToolButton* ReportButton() const { return reportButton_; }

    // Lists a folder; false (with a message) when it cannot be read.
    bool OpenFolder(const std::filesystem::path& folder);
    // A double click or Enter on the item at `row`: a folder is opened and checked for a project.
    void ActivateItem(int row);
    // Backspace and the back button: the parent folder; at the top a beep.
    void GoBack();
    void SetViewStyle(BrowserViewStyle style);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool EnterFolder(const std::filesystem::path& folder, bool reportErrors);
    void BuildItems();
    void PathBoxEntered();
    void PathBoxChosen(int index);
    void Browse();
    void JumpTo(const QString& typed);
    int CurrentRow() const;
    void SelectRow(int row);

    Dialogs& dialogs_;
    std::filesystem::path base_;
    std::filesystem::path folder_;
    std::vector<BrowserItem> items_;
    VisitedPaths visited_;
    TypeAhead typeAhead_;
    QElapsedTimer typingClock_;
    ProjectRecognition result_;
    BrowserViewStyle style_;
    std::function<void(int)> showHelp_;

    QComboBox* pathBox_;
    QToolButton* backButton_;
    QToolButton* browseButton_;
    QToolButton* listButton_;
    QToolButton* reportButton_;
    QStandardItemModel* model_;
    QStackedWidget* views_;
    QTreeView* reportView_;
    QListView* listView_;
    int baseWidth_ = 0;  // the dialog's width with fewer than 10 items
};

}  // namespace ovis::gui
