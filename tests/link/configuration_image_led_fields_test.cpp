// Every numeric field of "LEDParameter.ofp" and "Led.ofd" swept with extreme values through the
// configuration image: a value outside the field's range is refused with a message naming the
// file and the field; any other value gives an image that stays inside the Interface's memory,
// and a field the image does not read leaves the image as it was.
#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "link/configuration_image_sources.h"
#include "link/configuration_project.h"
#include "project/led_field_ranges.h"

namespace ovis {
namespace {

constexpr LocalDateTime kNow{2026, 12, 10, 6, 15, 30, 0};
constexpr long long kValues[] = {0, -1, 1, 5, 8, 9, 11, 12, 28, 29, 100, 101, 255, 256, 1000, 1001, 1275, 1276,
                                 60000, 60001, 1LL << 30, INT_MIN, INT_MAX};

struct Field {
    const char* name;
    std::function<void(TLedRecord&, TLedParameterRecord&, long long)> set;
    // Whether the image reads the field, and the stored values it accepts.
    bool read;
    std::function<bool(long long stored)> accepted;
    bool isByte;
};

bool Within(long long v, long long low, long long high) { return v >= low && v <= high; }
auto Range(long long low, long long high) {
    return [=](long long v) { return Within(v, low, high); };
}
auto Any() {
    return [](long long) { return true; };
}

#define INT_FIELD(field, read, accepted) \
    Field { #field, [](TLedRecord& r, TLedParameterRecord&, long long v) { r.field = std::int32_t(v); }, read, accepted, false }
#define BYTE_FIELD(name, expr, read, accepted) \
    Field { name, [](TLedRecord& r, TLedParameterRecord&, long long v) { expr = std::uint8_t(v); }, read, accepted, true }
#define PARAM_FIELD(name, expr, read, accepted) \
    Field { name, [](TLedRecord&, TLedParameterRecord& p, long long v) { expr = std::int32_t(v); }, read, accepted, false }

const std::vector<Field>& Fields() {
    static const std::vector<Field> fields = {
        INT_FIELD(LetzteSpalte, true, Range(0, 1275)),
        INT_FIELD(X0, true, Range(1, 10)),  // X1 of the row is 10
        INT_FIELD(X1, true, Range(1, 1275)),
        INT_FIELD(Umbruch, true, Range(0, 1275)),
        INT_FIELD(Richtung, true, Range(0, 8)),
        INT_FIELD(Dx, true, Range(0, 1275)),
        INT_FIELD(Distanz, true, Range(0, 1275)),
        INT_FIELD(Verzoegerung, true, Range(0, 60000)),
        INT_FIELD(Modulzahl, true, Range(1, 255)),
        INT_FIELD(Schriftgroesse, false, Any()),
        BYTE_FIELD("Spalten[1]", r.Spalten[0], true, Any()),
        BYTE_FIELD("Spalten[1275]", r.Spalten[1274], true, Any()),
        BYTE_FIELD("ModulListe[1]", r.ModulListe[0], true, Any()),
        BYTE_FIELD("ModulListe[2]", r.ModulListe[1], true, Any()),
        BYTE_FIELD("Farbe[1]", r.Farbe[0], true, [](long long v) { return IsLedColourCode(int(v)); }),
        BYTE_FIELD("Farbe[31]", r.Farbe[30], false, Any()),
        BYTE_FIELD("AnzahlFarben", r.AnzahlFarben, true, Range(1, 28)),
        BYTE_FIELD("Helligkeit[1]", r.Helligkeit[0], true, Range(1, 11)),
        BYTE_FIELD("Helligkeit[15]", r.Helligkeit[14], false, Any()),
        BYTE_FIELD("AnzahlHelligkeiten", r.AnzahlHelligkeiten, true, Range(1, 11)),
        BYTE_FIELD("SpeichernEingang", r.SpeichernEingang, true, Any()),
        BYTE_FIELD("Status", r.Status, true, Any()),
        BYTE_FIELD("Schriftstil", r.Schriftstil, false, Any()),
        PARAM_FIELD("AnzahlModule", p.AnzahlModule, true, Range(0, 100)),
        PARAM_FIELD("Position[1].X", p.Position[0].X, false, Any()),
        PARAM_FIELD("Position[100].Y", p.Position[99].Y, false, Any()),
        PARAM_FIELD("UrsprungX", p.UrsprungX, false, Any()),
        PARAM_FIELD("UrsprungY", p.UrsprungY, false, Any()),
        PARAM_FIELD("RasterX", p.RasterX, false, Any()),
        PARAM_FIELD("RasterY", p.RasterY, false, Any()),
        PARAM_FIELD("AbstandX", p.AbstandX, false, Any()),
        PARAM_FIELD("AbstandY", p.AbstandY, false, Any()),
        PARAM_FIELD("ModuleFarbe[1]", p.ModuleFarbe[0], false, Any()),
        PARAM_FIELD("ModulHelligkeit[100]", p.ModulHelligkeit[99], false, Any()),
    };
    return fields;
}

// Every write of an image lies in the configuration memory from 0x8000 to its end, and the
// free memory is what the Interface has.
void ExpectInsideTheMemory(const ConfigurationImage& image) {
    EXPECT_GE(image.freeBytes, 0);
    EXPECT_LE(image.freeBytes, kFreeMemoryBase);
    for (const auto& write : image.configuration) {
        EXPECT_GE(write.address, 0x8000) << std::hex << write.address;
        EXPECT_LE(write.address + write.data.size(), 0x10000u) << std::hex << write.address;
    }
}

std::vector<std::uint8_t> AllBytes(const ConfigurationImage& image) {
    std::vector<std::uint8_t> bytes;
    for (const auto& write : image.configuration) {
        bytes.push_back(std::uint8_t(write.address >> 8));
        bytes.push_back(std::uint8_t(write.address));
        bytes.insert(bytes.end(), write.data.begin(), write.data.end());
    }
    return bytes;
}

TEST(ConfigurationImageLedFields, EveryFieldSweptWithExtremeValues) {
    test::ConfigurationProject project;
    TLedRecord& row = project.tables->led.Row(0);
    for (auto& level : row.Helligkeit) level = 1;  // every brightness part in use is sound
    const ConfigurationSources sources = LoadConfigurationSources(project.Dir(), *project.tables);
    const ConfigurationInputs inputs = sources.Inputs(*project.tables, kNow, false);
    const ConfigurationBuild base = BuildConfigurationImage(inputs);
    ASSERT_FALSE(base.checkFailure) << *base.checkFailure;
    const TLedRecord soundRow = row;
    const TLedParameterRecord soundParams = project.tables->ledParameters.Record();

    for (const Field& field : Fields()) {
        for (const long long value : kValues) {
            const long long stored = field.isByte ? (long long)std::uint8_t(value) : (long long)std::int32_t(value);
            SCOPED_TRACE(std::string(field.name) + " = " + std::to_string(stored));
            TLedRecord damagedRow = soundRow;
            TLedParameterRecord damagedParams = soundParams;
            field.set(damagedRow, damagedParams, value);
            ConfigurationInputs damaged = inputs;
            damaged.led = std::span<const TLedRecord>(&damagedRow, 1);
            damaged.ledModules = damagedParams.AnzahlModule;
            const ConfigurationBuild build = BuildConfigurationImage(damaged);

            if (!field.accepted(stored)) {
                ASSERT_TRUE(build.checkFailure);
                const std::string file = std::string(field.name) == "AnzahlModule" ? "LEDParameter.ofp" : "Led.ofd";
                EXPECT_NE(build.checkFailure->find("\"" + file + "\" ist beschädigt"), std::string::npos)
                    << *build.checkFailure;
                // An x0 beyond the row's x1 is told as an x1 below it.
                const bool named = build.checkFailure->find(" Feld " + std::string(field.name) + " ") != std::string::npos ||
                                   (std::string(field.name) == "X0" && build.checkFailure->find(" Feld X1 ") != std::string::npos);
                EXPECT_TRUE(named) << *build.checkFailure;
                EXPECT_TRUE(build.image.configuration.empty());
                continue;
            }
            ASSERT_FALSE(build.checkFailure) << *build.checkFailure;
            ExpectInsideTheMemory(build.image);
            if (!field.read) {
                EXPECT_EQ(AllBytes(build.image), AllBytes(base.image));
            }
        }
    }
}

TEST(ConfigurationImageLedFields, DependentRanges) {
    TLedRecord row{};
    row.X0 = 6;
    row.X1 = 10;
    row.Modulzahl = 1;
    row.AnzahlFarben = 2;
    row.Farbe[0] = 6;
    row.Farbe[1] = 34;  // red 2, green 2, blue 2
    row.AnzahlHelligkeiten = 1;
    row.Helligkeit[0] = 11;
    row.Einheit = "Std";
    row.Verzoegerung = 1000;
    EXPECT_FALSE(LedRecordFault(row, 1));

    struct Case {
        const char* name;
        std::function<void(TLedRecord&)> damage;
        const char* message;
    };
    const Case cases[] = {
        {"x1 below x0", [](TLedRecord& r) { r.X1 = 5; },
         "Die Datei \"Led.ofd\" ist beschädigt: In Zeile 7 hat das Feld X1 den Wert 5, erlaubt sind 6 bis 1275. "
         "Das Interface wird nicht konfiguriert."},
        {"hours above 1000", [](TLedRecord& r) { r.Verzoegerung = 1001; },
         "Die Datei \"Led.ofd\" ist beschädigt: In Zeile 7 hat das Feld Verzoegerung den Wert 1001, erlaubt sind 0 bis "
         "1000. Das Interface wird nicht konfiguriert."},
        {"second colour part no code", [](TLedRecord& r) { r.Farbe[1] = 7; },
         "Die Datei \"Led.ofd\" ist beschädigt: In Zeile 7 hat das Feld Farbe[2] den Wert 7, erlaubt sind nur "
         "Farbcodes der Palette. Das Interface wird nicht konfiguriert."},
        {"unused brightness part", [](TLedRecord& r) { r.Helligkeit[1] = 200; }, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TLedRecord damaged = row;
        c.damage(damaged);
        const auto fault = LedRecordFault(damaged, 7);
        if (!c.message) {
            EXPECT_FALSE(fault) << *fault;
            continue;
        }
        ASSERT_TRUE(fault);
        EXPECT_EQ(*fault, c.message);
    }
    EXPECT_EQ(LedModuleCountFault(1000), "Die Datei \"LEDParameter.ofp\" ist beschädigt: Das Feld AnzahlModule hat den "
                                         "Wert 1000, erlaubt sind 0 bis 100. Das Interface wird nicht konfiguriert.");
    EXPECT_FALSE(LedModuleCountFault(0));
}

}  // namespace
}  // namespace ovis
