#pragma once
// A saved project with rows in every table, two programs and one output-data file.
#include <cstring>
#include <vector>

#include "link/configuration_image.h"
#include "link/image_memory.h"
#include "programs/program_lines.h"
#include "records/typed_file.h"
#include "tables/io_fixture.h"

namespace ovis::test {

// A recording record: word, then date and time.
inline std::vector<std::uint8_t> RecordingRecord(std::uint16_t word, int hour, int minute, int secondsAndMs) {
    return {std::uint8_t(word), std::uint8_t(word >> 8), 126, 12, 10, std::uint8_t(hour), std::uint8_t(minute), 0,
            std::uint8_t(secondsAndMs), std::uint8_t(secondsAndMs >> 8)};
}

struct ConfigurationProject : IoProject {
    ConfigurationProject() {
        auto& params = tables->parameters.Record();
        params.Nummer = 4;
        params.BaudFaktor = 12;
        params.Units[0] = 3;
        params.Ordner[1] = "Tueren";
        params.Units[1] = 2;
        SetRows({IoRow("Taster", 1, kUpperRow, "DC", {{1, "High"}}), IoRow("Lampe", 3, kUpperRow, "Relais", {{1, "High"}}),
                 IoRow("Netz", 2, kLowerRow, "AC", {{2, "Low"}})});
        tables->io.Row(2).EinVerzoegerung = 90;
        tables->io.Row(2).Einheit = "Sek";

        TLedRecord led;
        std::memset(&led, 0, sizeof led);
        led.Bezeichnung = "Anzeige";
        for (int i = 0; i < kLedModulePositions; ++i) led.ModulListe[i] = std::uint8_t(i + 1);
        for (int i = 0; i < 9; ++i) led.Spalten[i] = std::uint8_t(0x41 + i);
        led.LetzteSpalte = 9;
        led.X0 = 1;
        led.X1 = 10;
        led.Modulzahl = 2;
        led.Umbruch = 1;
        led.Richtung = 5;
        led.Farbe[0] = 6;
        led.AnzahlFarben = 1;
        led.Helligkeit[0] = 4;
        led.AnzahlHelligkeiten = 1;
        led.Einheit = "Milli";
        led.Status = true;
        tables->led.Append(led);
        tables->ledParameters.Record().AnzahlModule = 2;

        TCounterRecord counter{};
        counter.Bezeichnung = "Zaehler";
        counter.Zaehlung = "Taster";
        counter.Zaehlart = "Ereignis";
        counter.Status = "ENABLE";
        counter.Anzeige = "Anzeige";
        counter.Ende = 1000;
        tables->counters.Append(counter);

        TTimerRecord timer{};
        timer.Bezeichnung = "Morgens";
        timer.Uhrzeit = "06:30:00";
        timer.ZeitMaske = "  :  :  ";
        timer.Datum = "01.01";
        timer.DatumMaske = "xx.xx.    ";
        timer.Wochentag = "Montag";
        tables->timers.Append(timer);

        TGruppeRecord group{};
        group.Bezeichnung = "Alles";
        group.Anzahl = 2;
        group.Mitglied[0] = 1;
        group.Mitglied[1] = 3;
        group.Trigger = "aktiv";
        group.Scan = "zyklisch";
        group.Einheit = "Min";
        group.SpeicherOrdner = "Tueren";
        tables->groups.Append(group);

        const std::vector<TProgrammLine> main = {Line("Licht", "Taster", "AND", "Netz", "SET", "Lampe"),
                                                 Line("Sprung", "Licht", "TRUE", "", "GOTO", "Zusatz")};
        const std::vector<TProgrammLine> extra = {Line("Nacht", "Morgens", "AND NOT", "Alles", "NONE", "", 5, "Min")};
        tables->program.lines.Assign(main);
        tables->program.Save(Dir());
        WriteRecords(Dir() / "Programme" / "Zusatz.pgm", extra.data(), extra.size());

        SaveIoTable(tables->io, Dir());
        tables->led.Save(ResolveInDirectory(Dir(), "Led.ofd"));
        tables->counters.Save(ResolveInDirectory(Dir(), "Counter.ofd"));
        tables->timers.Save(ResolveInDirectory(Dir(), "Timer.ofd"));
        tables->groups.Save(ResolveInDirectory(Dir(), "Gruppen.ofd"));
        tables->parameters.Save(Dir());
        tables->ledParameters.Save(Dir());

        std::vector<std::uint8_t> recording;
        for (const auto& record :
             {RecordingRecord(0, 0, 0, 0), RecordingRecord(0, 0, 0, 0), RecordingRecord(2, 0, 0, 0),
              RecordingRecord(2 | 1024, 8, 0, 50), RecordingRecord(2, 8, 0, 100), RecordingRecord(2, 23, 59, 59000)})
            recording.insert(recording.end(), record.begin(), record.end());
        WriteFileAtomically(OutputFolderPath(Dir(), params) / "Ablauf.ofa", recording);
    }
};

}  // namespace ovis::test
