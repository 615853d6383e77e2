#include "reports/report_layout.h"

#include <algorithm>
#include <cmath>

namespace ovis {
namespace {

constexpr double kHeaderBandLines = 1.5;  // page header: one line of text and a rule
constexpr double kFooterBandLines = 1.5;  // footer: a rule and one line of text
constexpr double kBlockGapLines = 0.5;
constexpr double kTableHeaderLines = 1.25;  // column titles and the rule beneath them

bool IsContinuationByte(unsigned char byte) { return (byte & 0xC0) == 0x80; }

class PageComposer {
public:
    PageComposer(const Report& report, PageSize page) : report_(report), layout_{page, {}} {
        left_ = kReportMarginMm;
        width_ = std::max(0.0, page.widthMm - 2 * kReportMarginMm);
        lineCharacters_ = std::max(1, int(std::floor(width_ / kReportCharWidthMm + 1e-9)));
        bodyTop_ = kReportMarginMm + kHeaderBandLines * kReportLineHeightMm;
        bodyBottom_ = page.heightMm - kReportMarginMm - kFooterBandLines * kReportLineHeightMm;
        NewPage();
    }

    void Title() {
        const double height = kReportLineHeightMm * kReportTitleScale;
        const int characters = int(std::floor(width_ / (kReportCharWidthMm * kReportTitleScale) + 1e-9));
        Text(left_, y_, width_, height, CutToCharacters(report_.title, characters), LayoutTextStyle::Title);
        y_ += height;
        if (!report_.headerLine.empty()) {
            Text(left_, y_, width_, kReportLineHeightMm, CutToCharacters(report_.headerLine, lineCharacters_));
            y_ += kReportLineHeightMm;
        }
    }

    void Block(std::size_t index) {
        y_ += kBlockGapLines * kReportLineHeightMm;
        std::visit([&](const auto& block) { Place(block, index); }, report_.blocks[index]);
    }

    ReportLayout Finish() {
        const std::size_t pages = layout_.pages.size();
        for (std::size_t p = 0; p < pages; ++p) Frame(layout_.pages[p], p + 1, pages);
        return std::move(layout_);
    }

private:
    void Place(const ReportText& text, std::size_t) {
        for (const std::string& line : text.lines) {
            if (!Fits(kReportLineHeightMm)) NewPage();
            Text(left_, y_, width_, kReportLineHeightMm, CutToCharacters(line, lineCharacters_));
            y_ += kReportLineHeightMm;
        }
    }

    void Place(const ReportTable& table, std::size_t) {
        const std::vector<int> widths = ColumnWidths(table.columns, lineCharacters_);
        std::vector<double> xs;
        double x = left_;
        for (int width : widths) {
            xs.push_back(x);
            x += (width + kReportColumnGap) * kReportCharWidthMm;
        }
        auto row = [&](const std::vector<std::string>& texts, LayoutTextStyle style) {
            for (std::size_t c = 0; c < widths.size() && c < texts.size(); ++c) {
                if (texts[c].empty()) continue;
                Text(xs[c], y_, widths[c] * kReportCharWidthMm, kReportLineHeightMm,
                     CutToCharacters(texts[c], widths[c]), style, table.columns[c].align);
            }
        };
        std::vector<std::string> titles;
        for (const ReportColumn& column : table.columns) titles.push_back(column.title);
        auto header = [&] {
            row(titles, LayoutTextStyle::Bold);
            Rule(y_ + kReportLineHeightMm * 1.1, x - kReportColumnGap * kReportCharWidthMm - left_);
            y_ += kTableHeaderLines * kReportLineHeightMm;
        };
        // Column titles never stand alone at the foot of a page.
        if (!Fits(kTableHeaderLines * kReportLineHeightMm + kReportLineHeightMm)) NewPage();
        header();
        for (const auto& texts : table.rows) {
            if (!Fits(kReportLineHeightMm)) {
                NewPage();
                header();
            }
            row(texts, LayoutTextStyle::Normal);
            y_ += kReportLineHeightMm;
        }
    }

    void Place(const ReportPicture& picture, std::size_t index) {
        if (!PictureComplete(picture)) return;
        double width = width_;
        double height = width * picture.height / picture.width;
        const double bodyHeight = bodyBottom_ - bodyTop_;
        if (height > bodyHeight) {
            height = bodyHeight;
            width = height * picture.width / picture.height;
        }
        if (!Fits(height)) NewPage();
        LayoutItem item;
        item.kind = LayoutItemKind::Picture;
        item.x = left_;
        item.y = y_;
        item.width = width;
        item.height = height;
        item.block = index;
        Page().items.push_back(item);
        y_ += height;
    }

    // Page header (project, date, rule) and footer (rule, title, page number).
    void Frame(LayoutPage& page, std::size_t number, std::size_t pages) {
        const std::string date = CutToCharacters(report_.date, lineCharacters_);
        const int dateCharacters = CharacterCount(date);
        const int projectCharacters = std::max(0, lineCharacters_ - dateCharacters - 1);
        const double top = kReportMarginMm;
        AddText(page, left_, top, projectCharacters * kReportCharWidthMm, kReportLineHeightMm,
                CutToCharacters("Projekt: " + report_.project, projectCharacters), LayoutTextStyle::Normal,
                ReportAlign::Left);
        AddText(page, left_ + width_ - dateCharacters * kReportCharWidthMm, top, dateCharacters * kReportCharWidthMm,
                kReportLineHeightMm, date, LayoutTextStyle::Normal, ReportAlign::Right);
        AddRule(page, left_, top + kReportLineHeightMm * 1.1, width_);

        const double footer = layout_.page.heightMm - kReportMarginMm - kReportLineHeightMm;
        AddRule(page, left_, footer - kReportLineHeightMm * 0.2, width_);
        const std::string numberText = PageNumberText(number, pages);
        const int numberCharacters = CharacterCount(numberText);
        const int titleCharacters = std::max(0, lineCharacters_ - numberCharacters - 1);
        AddText(page, left_, footer, titleCharacters * kReportCharWidthMm, kReportLineHeightMm,
                CutToCharacters(report_.title, titleCharacters), LayoutTextStyle::Normal, ReportAlign::Left);
        AddText(page, left_ + width_ - numberCharacters * kReportCharWidthMm, footer,
                numberCharacters * kReportCharWidthMm, kReportLineHeightMm, numberText, LayoutTextStyle::Normal,
                ReportAlign::Right);
    }

    static void AddText(LayoutPage& page, double x, double y, double width, double height, std::string text,
                        LayoutTextStyle style, ReportAlign align) {
        if (text.empty()) return;
        LayoutItem item;
        item.x = x;
        item.y = y;
        item.width = width;
        item.height = height;
        item.text = std::move(text);
        item.style = style;
        item.align = align;
        page.items.push_back(std::move(item));
    }

    static void AddRule(LayoutPage& page, double x, double y, double width) {
        LayoutItem item;
        item.kind = LayoutItemKind::Rule;
        item.x = x;
        item.y = y;
        item.width = width;
        page.items.push_back(item);
    }

    void Text(double x, double y, double width, double height, std::string text,
              LayoutTextStyle style = LayoutTextStyle::Normal, ReportAlign align = ReportAlign::Left) {
        AddText(Page(), x, y, width, height, std::move(text), style, align);
    }
    void Rule(double y, double width) { AddRule(Page(), left_, y, width); }

    // A page always takes at least one line, so that a page too small for anything still ends.
    bool Fits(double height) const { return y_ + height <= bodyBottom_ + 1e-9 || y_ <= bodyTop_ + 1e-9; }
    void NewPage() {
        layout_.pages.emplace_back();
        y_ = bodyTop_;
    }
    LayoutPage& Page() { return layout_.pages.back(); }

    const Report& report_;
    ReportLayout layout_;
    double left_ = 0, width_ = 0, bodyTop_ = 0, bodyBottom_ = 0, y_ = 0;
    int lineCharacters_ = 1;
};

}  // namespace

std::string CutToCharacters(std::string_view utf8, int characters) {
    if (characters <= 0) return {};
    int seen = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (IsContinuationByte(static_cast<unsigned char>(utf8[i]))) continue;
        if (seen == characters) return std::string(utf8.substr(0, i));
        ++seen;
    }
    return std::string(utf8);
}

int CharacterCount(std::string_view utf8) {
    return int(std::count_if(utf8.begin(), utf8.end(),
                             [](char c) { return !IsContinuationByte(static_cast<unsigned char>(c)); }));
}

std::string PageNumberText(std::size_t page, std::size_t pages) {
    return "Seite " + std::to_string(page) + " von " + std::to_string(pages);
}

std::vector<int> ColumnWidths(const std::vector<ReportColumn>& columns, int lineCharacters) {
    std::vector<int> widths;
    int fixed = 0, flexible = 0;
    for (const ReportColumn& column : columns) {
        widths.push_back(std::max(1, column.width));
        if (column.flexible)
            ++flexible;
        else
            fixed += widths.back();
    }
    if (flexible == 0 || columns.empty()) return widths;
    const int gaps = int(columns.size() - 1) * kReportColumnGap;
    const int free = std::max(0, lineCharacters - fixed - gaps);
    int remainder = free % flexible;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        if (!columns[c].flexible) continue;
        const int share = free / flexible + (remainder > 0 ? 1 : 0);
        if (remainder > 0) --remainder;
        widths[c] = std::max(widths[c], share);
    }
    return widths;
}

bool PictureComplete(const ReportPicture& picture) {
    return picture.width > 0 && picture.height > 0 &&
           picture.pixels.size() == std::size_t(picture.width) * std::size_t(picture.height);
}

PageSize OrientedPage(PageSize paper, ReportOrientation orientation) {
    const double shorter = std::min(paper.widthMm, paper.heightMm);
    const double longer = std::max(paper.widthMm, paper.heightMm);
    return orientation == ReportOrientation::Landscape ? PageSize{longer, shorter} : PageSize{shorter, longer};
}

ReportLayout LayoutReport(const Report& report, PageSize page) {
    PageComposer composer(report, page);
    composer.Title();
    for (std::size_t b = 0; b < report.blocks.size(); ++b) composer.Block(b);
    return composer.Finish();
}

}  // namespace ovis
