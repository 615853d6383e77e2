#pragma once
// A printed report: a title and a header line on the first page, then text lines, tables and
// pictures. Every page carries the project and the date at the top and "Seite n von m" at the
// bottom. All texts are UTF-8.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace ovis {

enum class ReportAlign { Left, Right };

struct ReportColumn {
    std::string title;
    int width = 1;          // characters; a flexible column takes a share of what is left, at least this
    bool flexible = false;  // the name columns
    ReportAlign align = ReportAlign::Left;
};

// Its column titles are repeated at the top of every page the table runs onto.
struct ReportTable {
    std::vector<ReportColumn> columns;
    std::vector<std::vector<std::string>> rows;  // one text per column
};

// A picture in memory (the analyser's diagram), scaled to the page width.
struct ReportPicture {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;  // 0xAARRGGBB, row by row
};

struct ReportText {
    std::vector<std::string> lines;
};

using ReportBlock = std::variant<ReportText, ReportTable, ReportPicture>;

enum class ReportOrientation { Portrait, Landscape };

struct Report {
    std::string title;       // first page, large; also the name of the print job
    std::string headerLine;  // first page, below the title
    std::string project;     // page header, left
    std::string date;        // page header, right: dd.mm.yyyy
    ReportOrientation orientation = ReportOrientation::Portrait;
    std::vector<ReportBlock> blocks;
};

}  // namespace ovis
