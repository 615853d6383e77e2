#pragma once
// The layout of a report on pages of a given size: a pure function of the report and the page
// size. Text is set in a fixed-pitch font on a grid of characters, so that a cell text is cut to
// its column's width and never runs into the next column. Positions are millimetres from the
// page's top left corner.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "reports/report_model.h"

namespace ovis {

struct PageSize {
    double widthMm = 0, heightMm = 0;
};

inline constexpr PageSize kA4Portrait{210.0, 297.0};
inline constexpr PageSize kA4Landscape{297.0, 210.0};

// The fixed-pitch grid: 8-point text, one character 0.6 of the font size wide.
inline constexpr double kReportMarginMm = 15.0;
inline constexpr double kReportCharWidthMm = 1.7;
inline constexpr double kReportLineHeightMm = 4.2;
inline constexpr double kReportTitleScale = 1.6;  // the title's characters against the body's
inline constexpr int kReportColumnGap = 1;         // characters between two table columns

enum class LayoutItemKind { Text, Rule, Picture };
enum class LayoutTextStyle { Normal, Bold, Title };

struct LayoutItem {
    LayoutItemKind kind = LayoutItemKind::Text;
    double x = 0, y = 0, width = 0, height = 0;
    std::string text;  // already cut to fit `width`
    LayoutTextStyle style = LayoutTextStyle::Normal;
    ReportAlign align = ReportAlign::Left;
    std::size_t block = 0;  // a picture's index in Report::blocks
};

struct LayoutPage {
    std::vector<LayoutItem> items;
};

struct ReportLayout {
    PageSize page;
    std::vector<LayoutPage> pages;  // at least one
};

ReportLayout LayoutReport(const Report& report, PageSize page);

// Whether a picture holds a pixel for every place of its size; any other is left out.
bool PictureComplete(const ReportPicture& picture);

// The page of a report's orientation with the size of `paper` (either orientation).
PageSize OrientedPage(PageSize paper, ReportOrientation orientation);

// The first `characters` characters (code points) of a UTF-8 text.
std::string CutToCharacters(std::string_view utf8, int characters);
// The number of characters (code points) of a UTF-8 text.
int CharacterCount(std::string_view utf8);

// "Seite n von m".
std::string PageNumberText(std::size_t page, std::size_t pages);

// The column widths in characters of a table on a line of `lineCharacters`.
std::vector<int> ColumnWidths(const std::vector<ReportColumn>& columns, int lineCharacters);

}  // namespace ovis
