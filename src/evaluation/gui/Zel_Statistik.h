#pragma once
// TFormStatistik: the statistics of a recording, per message, date range, time-of-day range and
// duration range. The rules are the core's (evaluation/statistics_*); the window shows them.
#include <QWidget>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "evaluation/statistics_compute.h"
#include "evaluation/statistics_editing.h"
#include "platform/dialogs.h"
#include "project/project_tables.h"
#include "project/recording.h"
#include "project/statistics_file.h"

class QAction;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QTabWidget;
class QTableWidget;
class QTimeEdit;

namespace ovis::gui {

class StatisticsChart;

class TFormStatistik : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 11002;

    TFormStatistik(ProjectTables& tables, Dialogs& dialogs, QWidget* parent = nullptr);
    ~TFormStatistik() override;

    // Loads the recording `file` of folder `folder` and the project's "Statistik.ofp" (its
    // defaults with `fileDate` when it cannot be opened), and shows the "Meldung" tab. False,
    // reported, when the recording cannot be read.
    bool OpenFile(int folder, const std::filesystem::path& file, const std::filesystem::path& projectDir,
                  const std::string& fileDate);

    std::function<void(int context)> showHelp;
    // "&Drucken...": the report of the current tab (or why there is none).
    std::function<void()> onPrint;

    QTabWidget* Tabs() const { return tabs_; }
    QTableWidget* Table(int tab) const { return pages_[std::size_t(tab)].table; }
    StatisticsChart* Chart(int tab) const { return pages_[std::size_t(tab)].chart; }
    QLabel* TotalValue(int tab, int index) const { return pages_[std::size_t(tab)].totals[std::size_t(index)]; }
    QDateEdit* DateField(int tab, EntryHalf half) const;
    QTimeEdit* TimeField(int tab, EntryHalf half) const;
    QLineEdit* DurationField(int tab, EntryHalf half) const;
    QLabel* DurationCaption(int tab) const { return pages_[std::size_t(tab)].durationCaption; }
    QAction* Action(const char* objectName) const;
    QWidget* EntryEditor() const { return editor_; }
    StatisticsFile& Settings() { return settings_; }
    DurationUnit Unit() const { return unit_; }
    StatisticsTab CurrentTab() const;
    // The result of `tab`'s last "Berechnen"; null before it.
    const StatisticsResult* Result(StatisticsTab tab) const;
    const std::vector<std::string>& ShownNames() const { return names_; }
    const std::filesystem::path& File() const { return file_; }

    void SpeichernClick();
    void BerechnenClick();
    void MeldungenAuswaehlenClick();
    void NeuerEintragClick();
    void EintragLoeschenClick();
    void SekundenClick() { SetUnit(DurationUnit::Seconds); }
    void MillisekundenClick() { SetUnit(DurationUnit::Milliseconds); }
    // A right click at `x` pixels from the table's left edge on row `row` of the category column.
    void OpenEntryEditor(int row, int x);
    // Leaving the entry editor stores its value.
    void FinishEntryEditor();
    // A filter field of the current tab was left.
    void FilterLeft(StatisticsFilter filter);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct Page {
        QTableWidget* table = nullptr;
        StatisticsChart* chart = nullptr;
        QDateEdit* date[2] = {};
        QTimeEdit* time[2] = {};
        QLineEdit* duration[2] = {};
        QLabel* durationCaption = nullptr;
        std::array<QLabel*, 6> totals{};
    };

    void BuildMenus();
    QWidget* BuildPage(int tab);
    Page& CurrentPage() { return pages_[std::size_t(CurrentTab())]; }
    void Refresh();
    void ShowTable(int tab);
    void ShowChart(int tab);
    void ShowFilters();
    void UpdateMenus();
    void CommitFocusedFilter();
    void SetUnit(DurationUnit unit);
    void LoadShownMessages();
    void CloseEntryEditor();

    ProjectTables& tables_;
    Dialogs& dialogs_;
    std::unique_ptr<TRecording> recording_;
    StatisticsFile settings_;
    std::filesystem::path projectDir_;
    std::filesystem::path file_;
    std::string fileDate_;
    int folder_ = 0;
    DurationUnit unit_ = DurationUnit::Seconds;
    std::vector<int> messages_;        // the shown messages of the folder
    std::vector<std::string> names_;   // their names (record bytes)
    std::array<std::optional<StatisticsResult>, kStatisticsTabs> results_;
    std::array<Page, kStatisticsTabs> pages_;
    QTabWidget* tabs_ = nullptr;
    QMenu* dateiMenu_ = nullptr;
    QMenu* bearbeitenMenu_ = nullptr;
    QWidget* editor_ = nullptr;
    std::optional<EntryEditTarget> editTarget_;
    bool inFilterEdit_ = false;
};

}  // namespace ovis::gui
