#pragma once
// A project with two LED messages and an LED editor over it; desktop fonts are drawn by a fake
// that darkens one pixel per character.
#include <initializer_list>

#include "led/led_editor.h"
#include "led/led_rows.h"
#include "tables/group_fixture.h"

namespace ovis::test {

class DotRasterizer final : public FontRasterizer {
public:
    MonoRaster Draw(std::string_view text, const FontChoice& font, int x, int y, int width) override {
        (void)font;
        MonoRaster raster{width, 20, std::vector<bool>(std::size_t(width) * 20)};
        for (std::size_t i = 0; i < text.size(); ++i)
            if (x + int(i) * 2 < width) raster.dark[std::size_t(y + 3) * std::size_t(width) + std::size_t(x) + i * 2] = true;
        return raster;
    }
};

inline TLedRecord LedMessage(const std::string& name, int x0 = 1, int x1 = 5) {
    TLedRecord row = NewLedRow(nullptr);
    row.Bezeichnung = name;
    SetWindow(row, x0, x1);
    return row;
}

struct LedProject : GroupProject {
    DotRasterizer rasterizer;
    LedEditor led{store, dialogs, rasterizer};
    LedEditor::Editor& ed = led.Table();

    explicit LedProject(std::initializer_list<TLedRecord> rows = {LedMessage("Anzeige"), LedMessage("Laufschrift")}) {
        tables->led.Assign(std::span<const TLedRecord>(rows.begin(), rows.size()));
        tables->led.TakeSavedImage();
        ed.Opened();
    }

    TLedRecord& Row(std::size_t i) { return tables->led.Row(i); }
    void Select(int top, int bottom, int column) {
        ed.Press(MouseButton::Left, top, column);
        if (bottom != top) ed.DragTo(bottom, column);
        ed.Release(bottom, column);
    }
    // The mask editor over the selection: typed text, then leaving it.
    void TypeInMaskEditor(int row, int column, const std::string& text) {
        Select(row, row, column);
        ASSERT_TRUE(ed.BeginNumberEdit());
        ed.NumberTextEdited(text);
        ed.FinishNumberEdit();
    }
    std::string LastBox() const { return dialogs.boxes.empty() ? "" : dialogs.boxes.back().text; }
};

}  // namespace ovis::test
