#pragma once
// The options of ovis-sim.
#include <optional>
#include <string>
#include <vector>

#include "sim/interface_simulator.h"

namespace ovis::sim {

inline constexpr const char* kUsage =
    "Aufruf: ovis-sim [--device GERÄT] [--address N] [--baud RATE] [--silent] [--garble P] [--seed S]\n"
    "               [--freeze-after N] [--link PFAD] [--events DATEI | --no-card]\n"
    "               [--plant-rate R] [--reply12-every K]\n"
    "  Ohne --device öffnet ovis-sim ein Pseudo-Terminal und schreibt dessen Gerätepfad als erste Zeile.\n"
    "  --device GERÄT  eine serielle Schnittstelle statt des Pseudo-Terminals\n"
    "  --address N     Nummer des simulierten Interfaces (1 bis 99, Vorgabe 1)\n"
    "  --baud RATE     Leitungsgeschwindigkeit: bei --device die Baudrate, sonst wird die Ausgabe\n"
    "                  mit 10 Bit je Zeichen auf diese Rate gebremst (Vorgabe: ungebremst)\n"
    "  --silent        hört alles, antwortet nie (für Zeitüberschreitungen)\n"
    "  --garble P      verfälscht jedes Echo-Zeichen mit der Wahrscheinlichkeit P (0 bis 1)\n"
    "  --seed S        Startwert der Verfälschung\n"
    "  --freeze-after N  hört nach dem N-ten empfangenen Telegramm und seinem Abschluss nichts mehr\n"
    "  --link PFAD     legt PFAD als symbolische Verknüpfung auf das Pseudo-Terminal an\n"
    "  --dump-memory PRÄFIX  schreibt die Speicherbereiche 1 bis 3 beim Beenden und bei jedem\n"
    "                  SIGUSR1 in die Dateien PRÄFIX1.bin, PRÄFIX2.bin und PRÄFIX3.bin (je 65536 Bytes)\n"
    "  --events DATEI  Memorycard mit den Ereignissen der Datei, eine Zeile je Ereignis:\n"
    "                  ORDNER<TAB>tt.mm.jjjj hh:mm:ss,fffff<TAB>MELDUNG<TAB>High|Low (Ordner 0 bis 13,\n"
    "                  Meldung 1 bis 1023, \"#\" beginnt einen Kommentar); ohne: eine leere Memorycard\n"
    "  --no-card       ohne Memorycard: das Unit-Verzeichnis wird mit Antwort 11 beantwortet\n"
    "  Online-Betrieb (nach Befehl 7): die Ereignisse von --events werden ab einer Sekunde nach dem\n"
    "                  Befehl in Echtzeit gemeldet; die Zählerstände zählen jede Sekunde weiter\n"
    "  --plant-rate R  R zufällige Pegelwechsel je Sekunde (Startwert --seed)\n"
    "  --reply12-every K  jeder K-te Pegelwechsel wird als Antwort 12 gemeldet\n"
    "Jedes empfangene Telegramm wird als Zeile \"telegram ...\" ausgegeben. ovis-sim läuft, bis es\n"
    "mit SIGINT oder SIGTERM beendet wird.\n";

struct SimCommandLine {
    SimulatorOptions options;
    std::optional<std::string> device;
    std::optional<std::string> link;
    std::optional<std::string> dumpPrefix;
    std::optional<std::string> events;  // the memory card's events file
    bool noCard = false;
    int baud = 0;  // 0: not given
    double plantRate = 0;   // random level changes per second in online mode
    int reply12Every = 0;
};

// Parses the arguments after the program name; std::invalid_argument with a German text for a
// bad or unknown option.
SimCommandLine ParseSimCommandLine(const std::vector<std::string>& args);

// One line for a received telegram: "telegram address=1 command=4 executed=1 data=03 00 80 01 00".
std::string TelegramLine(const ReceivedTelegram& received);

}  // namespace ovis::sim
