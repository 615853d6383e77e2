#include "shell/demo_project.h"

#include <cstring>
#include <memory>

#include "config/module_types.h"
#include "project/program_files.h"
#include "programs/program_texts.h"
#include "records/codepage.h"
#include "records/typed_file.h"
#include "project/project_store.h"
#include "shell/bundled_help_pages.h"

namespace ovis {
namespace {

// Dialogs are never needed: the demo is written without asking.
class SilentDialogs final : public Dialogs {
public:
    Answer Show(BoxKind, const std::string&, Buttons, const std::string&) override { return Answer::Cancel; }
    std::optional<std::string> Input(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
};

void FillDemoParameters(TParameterRecord& p) {
    p.Nachbarobjekt = kDemoProjectName;
    const ModuleType ring[] = {ModuleType::Opto16, ModuleType::Opto16, ModuleType::OptoRel, ModuleType::Relais6,
                               ModuleType::TastLed};
    int position = 0;
    for (ModuleType type : ring) p.Modulanordnung[position++] = static_cast<std::uint8_t>(type);
    p.Ordner[1] = RecordText("Türen");
    p.Ordner[2] = "Antriebe";
    p.Units[1] = 8;
    p.Units[2] = 8;
    p.Units[kOutputFolder] = 1;
    p.Units[kAllMessagesFolder] = static_cast<std::uint8_t>(TotalUnits(p.Speichergroesse) - 8 - 8 - 1);
}

// A greeting on the display, drawn in the 5 x 7 matrix (bit 6 is the top LED). It runs in from the
// right edge of its 60 columns and moves left by one column every 41 ms, one copy per window.
TLedRecord DemoGreeting() {
    TLedRecord r;
    std::memset(&r, 0, sizeof r);
    r.Bezeichnung = RecordText("Begrüßung");
    r.Text = "OVIS 1.5";
    const std::uint8_t columns[] = {
        0x3E, 0x41, 0x41, 0x41, 0x3E, 0, 0x7C, 0x02, 0x01, 0x02, 0x7C, 0, 0x00, 0x41, 0x7F, 0x41, 0x00, 0,
        0x32, 0x49, 0x49, 0x49, 0x26, 0, 0,    0,    0,    0,    0,    0, 0x10, 0x21, 0x7F, 0x01, 0x00, 0,
        0x00, 0x00, 0x01, 0x00, 0x00, 0, 0x72, 0x51, 0x51, 0x51, 0x4E,
    };
    std::memcpy(r.Spalten, columns, sizeof columns);
    for (int i = 0; i < kLedModulePositions; ++i) r.ModulListe[i] = static_cast<std::uint8_t>(i + 1);
    r.LetzteSpalte = int(sizeof columns);
    r.X0 = 1;
    r.X1 = 60;
    r.Umbruch = 1;
    r.Farbe[0] = 6;
    for (int i = 1; i < 31; ++i) r.Farbe[i] = 255;
    r.AnzahlFarben = 1;
    r.Helligkeit[0] = 1;
    r.AnzahlHelligkeiten = 1;
    r.Richtung = 2;
    r.Dx = 1;
    r.Distanz = 60 - int(sizeof columns);
    r.Verzoegerung = 40;
    r.Einheit = "Milli";
    r.SpeichernEingang = true;
    r.Status = true;
    r.Schriftart = "Standard";
    r.Schriftgroesse = 7;
    r.Modulzahl = 12;
    return r;
}

// A program line; names are UTF-8.
TProgrammLine DemoLine(std::size_t position, const char* name, const char* a, const char* logic, const char* b,
                       std::int32_t wert, const char* unit, const char* order = kNoOrder, const char* c = "") {
    TProgrammLine line = NewProgramLine(position);
    line.Bezeichnung = RecordText(name);
    line.MeldungA = RecordText(a);
    line.Logik = logic;
    line.MeldungB = RecordText(b);
    line.Wert = wert;
    line.Einheit = unit;
    line.Order = order;
    line.MeldungC = RecordText(c);
    return line;
}

// "Main" and the sub-program "Lüftung": door and fan messages from the terminal plan.
void WriteDemoPrograms(const std::filesystem::path& dir) {
    const TProgrammLine main[] = {
        DemoLine(0, "Tür offen", "Meldung 1", "AND NOT", "Meldung 2", 500, "Milli"),
        DemoLine(1, "Türalarm", "Tür offen", "OR", "Meldung 3", 30, "Sek", "ENABLE", "Begrüßung"),
    };
    WriteRecords(ProgramFilePath(dir, kMainProgram), main, std::size(main));
    const TProgrammLine fan[] = {
        DemoLine(0, "Lüfter an", "Meldung 4", "TRUE", "", 1, "Min"),
        DemoLine(1, "Lüfter Störung", "Lüfter an", "AND NOT", "Meldung 5", 0, "Milli", "SET", "Türalarm"),
    };
    WriteRecords(ProgramFilePath(dir, "Lüftung"), fan, std::size(fan));
}

// Fills the freshly written file set in `dir` with the demo's ring, folders, terminal plan,
// designations and display.
void CompleteDemoProject(ProjectStore& store, const std::filesystem::path& dir) {
    ProjectTables& tables = store.Tables();
    store.LoadAllTablesFrom(dir);

    FillDemoParameters(tables.parameters.Record());
    tables.parameters.Save(dir);
    for (int folder = 1; folder <= tables.parameters.AcquisitionFolderCount(); ++folder)
        CreateDirectoryOrThrow(dir / "Daten" / "Datenerfassung" / ToUtf8(tables.parameters.Record().Ordner[folder].view()));

    ResetIoRows(tables.io);
    SaveIoTable(tables.io, dir);
    tables.signalNames.ResetSignals();
    tables.signalNames.Module(3).Modulbezeichnung = "OPTO-REL";
    tables.signalNames.Module(4).Modulbezeichnung = "RELAIS6";
    tables.signalNames.Module(5).Modulbezeichnung = "TAST-LED";
    tables.signalNames.Save(dir);

    TLedParameterRecord& led = tables.ledParameters.Record();
    led.AnzahlModule = 12;
    for (int i = 0; i < 12; ++i) {
        led.Position[i].X = 5 + i * 55;
        led.Position[i].Y = 5;
    }
    tables.ledParameters.Save(dir);
    tables.led.Append(DemoGreeting());
    tables.led.Save(ResolveInDirectory(dir, kLedFileName));
    for (const char* name : {"Fahrten", "Halte"}) {
        TCounterRecord counter{};
        counter.Nr = int(tables.counters.Count()) + 1;
        counter.Bezeichnung = name;
        counter.Zaehlung = "Meldung 1";
        counter.Zaehlart = "Ereignis";
        counter.Ende = 999999;
        counter.Status = "ENABLE";
        counter.Anzeige = "keine Anzeige";
        tables.counters.Append(counter);
    }
    tables.counters.Save(ResolveInDirectory(dir, kCounterFileName));
    WriteDemoPrograms(dir);
}

}  // namespace

bool CreateDemoBase(const std::filesystem::path& base) {
    auto tables = std::make_unique<ProjectTables>();
    SilentDialogs dialogs;
    ProjectStore store(*tables, dialogs, base);
    const bool create = !store.ProjectExists(kDemoProjectName);
    if (create) {
        store.CreateProjectFiles(kDemoProjectName,
                                 [&](const std::filesystem::path& dir) { CompleteDemoProject(store, dir); });
    }
    // The settings file names the demo only once the demo exists.
    store.SetCurrentProjectName(kDemoProjectName);
    if (!std::filesystem::exists(store.SettingsFile())) store.WriteStartView();
    WriteHelpPages(base);
    return create;
}

}  // namespace ovis
