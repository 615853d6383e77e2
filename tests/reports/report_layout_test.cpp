// The layout of reports on pages: pagination, repeated column titles, cut texts, frames.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "reports/report_layout.h"

namespace ovis {
namespace {

std::vector<ReportColumn> IoLikeColumns() {
    return {{"Nr", 4, false, ReportAlign::Right}, {"Meldung", 16, true}, {"Modul", 5, false, ReportAlign::Right},
            {"Typ", 6}, {"Speichern", 12}};
}

Report TableReport(std::size_t rows, const std::string& longName = {}) {
    Report report;
    report.title = "Anschlussplan               Projekt: Anlage";
    report.headerLine = std::to_string(rows) + " Meldungen";
    report.project = "Anlage";
    report.date = "11.12.2026";
    ReportTable table;
    table.columns = IoLikeColumns();
    for (std::size_t r = 0; r < rows; ++r) {
        const std::string name = !longName.empty() && r % 10 == 3 ? longName : "Meldung " + std::to_string(r + 1);
        table.rows.push_back({std::to_string(r + 1), name, "1", "DC", "Alle"});
    }
    report.blocks.emplace_back(table);
    return report;
}

std::vector<const LayoutItem*> TextsOf(const LayoutPage& page, LayoutTextStyle style) {
    std::vector<const LayoutItem*> texts;
    for (const LayoutItem& item : page.items)
        if (item.kind == LayoutItemKind::Text && item.style == style) texts.push_back(&item);
    return texts;
}

bool HasText(const LayoutPage& page, const std::string& text) {
    return std::any_of(page.items.begin(), page.items.end(), [&](const LayoutItem& i) { return i.text == text; });
}

bool Overlap(const LayoutItem& a, const LayoutItem& b) {
    constexpr double e = 1e-6;
    return a.x < b.x + b.width - e && b.x < a.x + a.width - e && a.y < b.y + b.height - e && b.y < a.y + a.height - e;
}

TEST(ReportLayout, TwoHundredFiftyRowsPaginateWithColumnTitlesOnEveryPage) {
    const Report report = TableReport(250);
    const ReportLayout layout = LayoutReport(report, kA4Portrait);
    ASSERT_GT(layout.pages.size(), 3u);
    std::vector<std::string> numbers;
    for (std::size_t p = 0; p < layout.pages.size(); ++p) {
        SCOPED_TRACE("page " + std::to_string(p + 1));
        const LayoutPage& page = layout.pages[p];
        std::vector<std::string> titles;
        for (const LayoutItem* item : TextsOf(page, LayoutTextStyle::Bold)) titles.push_back(item->text);
        EXPECT_EQ(titles, (std::vector<std::string>{"Nr", "Meldung", "Modul", "Typ", "Speichern"}));
        EXPECT_TRUE(HasText(page, "Projekt: Anlage"));
        EXPECT_TRUE(HasText(page, "11.12.2026"));
        EXPECT_TRUE(HasText(page, PageNumberText(p + 1, layout.pages.size())));
        EXPECT_EQ(TextsOf(page, LayoutTextStyle::Title).size(), p == 0 ? 1u : 0u);
        // Row cells: the "Nr" column, right-aligned at the left margin.
        for (const LayoutItem* item : TextsOf(page, LayoutTextStyle::Normal))
            if (item->align == ReportAlign::Right && item->x == kReportMarginMm) numbers.push_back(item->text);
    }
    ASSERT_EQ(numbers.size(), 250u);
    for (std::size_t r = 0; r < numbers.size(); ++r) EXPECT_EQ(numbers[r], std::to_string(r + 1));
}

TEST(ReportLayout, ItemsStayInsideTheMarginsAndNeverOverlap) {
    const std::string longName(255, 'W');
    for (PageSize size : {kA4Portrait, kA4Landscape}) {
        const ReportLayout layout = LayoutReport(TableReport(250, longName), size);
        for (const LayoutPage& page : layout.pages) {
            for (std::size_t i = 0; i < page.items.size(); ++i) {
                const LayoutItem& a = page.items[i];
                EXPECT_GE(a.x, kReportMarginMm - 1e-6);
                EXPECT_LE(a.x + a.width, size.widthMm - kReportMarginMm + 1e-6);
                EXPECT_GE(a.y, kReportMarginMm - 1e-6);
                EXPECT_LE(a.y + a.height, size.heightMm - kReportMarginMm + 1e-6);
                if (a.kind != LayoutItemKind::Text) continue;
                EXPECT_LE(CharacterCount(a.text) * kReportCharWidthMm *
                              (a.style == LayoutTextStyle::Title ? kReportTitleScale : 1.0),
                          a.width + 1e-6)
                    << a.text;
                for (std::size_t j = i + 1; j < page.items.size(); ++j) {
                    if (page.items[j].kind != LayoutItemKind::Text) continue;
                    EXPECT_FALSE(Overlap(a, page.items[j])) << a.text << " / " << page.items[j].text;
                }
            }
        }
    }
}

TEST(ReportLayout, LongNamesAreCutToTheirColumn) {
    const std::string longName = "Ä" + std::string(254, 'x');
    const ReportLayout layout = LayoutReport(TableReport(5, longName), kA4Portrait);
    const std::vector<int> widths = ColumnWidths(IoLikeColumns(), int(180.0 / kReportCharWidthMm));
    const auto cut = std::find_if(layout.pages[0].items.begin(), layout.pages[0].items.end(),
                                  [](const LayoutItem& i) { return i.text.starts_with("Ä"); });
    ASSERT_NE(cut, layout.pages[0].items.end());
    EXPECT_EQ(cut->text, CutToCharacters(longName, widths[1]));
    EXPECT_EQ(CharacterCount(cut->text), widths[1]);
    // The next cell begins after the gap.
    EXPECT_NEAR(cut->width, widths[1] * kReportCharWidthMm, 1e-6);
}

TEST(ReportLayout, FlexibleColumnsShareTheRestOfTheLine) {
    struct Case {
        std::vector<ReportColumn> columns;
        int line;
        std::vector<int> widths;
    };
    const Case cases[] = {
        {{{"a", 4}, {"b", 10, true}, {"c", 5}}, 40, {4, 29, 5}},
        {{{"a", 4}, {"b", 10, true}, {"c", 5, true}}, 40, {4, 17, 17}},
        {{{"a", 4}, {"b", 10, true}, {"c", 5, true}}, 41, {4, 18, 17}},
        {{{"a", 4}, {"b", 10, true}}, 10, {4, 10}},  // never narrower than its minimum
        {{{"a", 4}, {"b", 7}}, 100, {4, 7}},
    };
    for (const Case& c : cases) EXPECT_EQ(ColumnWidths(c.columns, c.line), c.widths);
}

TEST(ReportLayout, CutsCountCharactersNotBytes) {
    struct Case {
        const char* text;
        int characters;
        const char* cut;
    };
    const Case cases[] = {{"Tür offen", 3, "Tür"}, {"Tür", 2, "Tü"}, {"Tür", 10, "Tür"},
                          {"ÄÖÜ", 0, ""},         {"€uro", 1, "€"}, {"", 5, ""}};
    for (const Case& c : cases) EXPECT_EQ(CutToCharacters(c.text, c.characters), c.cut) << c.text;
    EXPECT_EQ(CharacterCount("Größe"), 5);
}

TEST(ReportLayout, ColumnTitlesMoveWithTheirFirstRow) {
    // Text lines before the table put its titles at every place of the first and second page.
    for (int fillers = 40; fillers < 130; ++fillers) {
        SCOPED_TRACE(fillers);
        Report report = TableReport(0);
        ReportText filler;
        for (int i = 0; i < fillers; ++i) filler.lines.push_back("Zeile " + std::to_string(i));
        report.blocks.insert(report.blocks.begin(), filler);
        std::get<ReportTable>(report.blocks[1]).rows.push_back({"1", "Eins", "1", "DC", ""});
        const ReportLayout layout = LayoutReport(report, kA4Portrait);
        for (const LayoutPage& page : layout.pages) EXPECT_EQ(HasText(page, "Meldung"), HasText(page, "Eins"));
    }
}

TEST(ReportLayout, PicturesAreScaledToTheWidthAndMovedToAFreshPage) {
    Report report;
    report.title = "Analyser";
    ReportText text;
    for (int i = 0; i < 40; ++i) text.lines.push_back("Zeile");
    report.blocks.emplace_back(text);
    report.blocks.emplace_back(ReportPicture{1100, 700, std::vector<std::uint32_t>(1100 * 700, 0xFFFFFFFF)});
    const ReportLayout layout = LayoutReport(report, kA4Portrait);
    ASSERT_EQ(layout.pages.size(), 2u);
    const auto picture = std::find_if(layout.pages[1].items.begin(), layout.pages[1].items.end(),
                                      [](const LayoutItem& i) { return i.kind == LayoutItemKind::Picture; });
    ASSERT_NE(picture, layout.pages[1].items.end());
    EXPECT_EQ(picture->block, 1u);
    EXPECT_NEAR(picture->width, 210.0 - 2 * kReportMarginMm, 1e-6);
    EXPECT_NEAR(picture->height, picture->width * 700 / 1100, 1e-6);
}

TEST(ReportLayout, APictureWithoutAPixelForEveryPlaceIsLeftOut) {
    struct Case {
        ReportPicture picture;
        bool placed;
    };
    const Case cases[] = {
        {{3, 2, std::vector<std::uint32_t>(6)}, true},
        {{3, 2, std::vector<std::uint32_t>(5)}, false},
        {{3, 2, std::vector<std::uint32_t>(7)}, false},
        {{0, 2, {}}, false},
        {{-3, -2, std::vector<std::uint32_t>(6)}, false},
    };
    for (const Case& c : cases) {
        Report report;
        report.blocks.emplace_back(c.picture);
        const ReportLayout layout = LayoutReport(report, kA4Portrait);
        const bool placed = std::any_of(layout.pages[0].items.begin(), layout.pages[0].items.end(),
                                        [](const LayoutItem& i) { return i.kind == LayoutItemKind::Picture; });
        EXPECT_EQ(placed, c.placed) << c.picture.width << "x" << c.picture.height << " " << c.picture.pixels.size();
    }
}

TEST(ReportLayout, AnEmptyReportIsOneFramedPage) {
    Report report;
    report.title = "Leer";
    report.project = "P";
    const ReportLayout layout = LayoutReport(report, kA4Landscape);
    ASSERT_EQ(layout.pages.size(), 1u);
    EXPECT_TRUE(HasText(layout.pages[0], "Seite 1 von 1"));
    EXPECT_TRUE(HasText(layout.pages[0], "Projekt: P"));
}

TEST(ReportLayout, APageTooSmallForAnythingStillEnds) {
    const ReportLayout layout = LayoutReport(TableReport(20), PageSize{20.0, 20.0});
    EXPECT_GE(layout.pages.size(), 20u);
    EXPECT_LE(layout.pages.size(), 22u);  // the title page and one row per page
}

TEST(ReportLayout, OrientationTurnsThePaper) {
    EXPECT_EQ(OrientedPage(kA4Portrait, ReportOrientation::Landscape).widthMm, 297.0);
    EXPECT_EQ(OrientedPage(kA4Landscape, ReportOrientation::Portrait).widthMm, 210.0);
    EXPECT_EQ(OrientedPage(kA4Portrait, ReportOrientation::Portrait).heightMm, 297.0);
}

}  // namespace
}  // namespace ovis
