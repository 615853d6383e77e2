// Reading data units out of `ovis-sim --events` with ovisctl over a pseudo-terminal: the
// directory, the read-out file compared with the events given, the file list, no memory card.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <memory>

#include "link/child_process.h"
#include "project/recording.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace ovis {
namespace {

using namespace std::chrono_literals;

struct Event {
    int day, hour, minute, second, fraction;  // fraction: ms and 10 us steps, 5 digits
    int message;
    bool high;
};

std::string EventsFile(const std::vector<Event>& events) {
    std::string text = "# Ereignisse des Tests\n";
    for (const Event& e : events) {
        char line[80];
        std::snprintf(line, sizeof line, "0\t%02d.01.2009 %02d:%02d:%02d,%05d\t%d\t%s\n", e.day, e.hour, e.minute,
                      e.second, e.fraction, e.message, e.high ? "High" : "Low");
        text += line;
    }
    return text;
}

struct Rig {
    test::TempDir dir;
    std::filesystem::path project;
    std::unique_ptr<test::ChildProcess> simulator;

    explicit Rig(const std::vector<std::string>& simulatorOptions) {
        const auto created = test::Ovisctl("new-project Anlage --base " + test::ShellQuoted(dir.path()),
                                           test::Output::StdoutOnly);
        EXPECT_EQ(created.exitCode, 0) << created.output;
        project = created.output.substr(0, created.output.find('\n'));
        std::vector<std::string> argv = {OVIS_SIM_PATH};
        argv.insert(argv.end(), simulatorOptions.begin(), simulatorOptions.end());
        simulator = std::make_unique<test::ChildProcess>(argv);
        EXPECT_TRUE(simulator->WaitForLines(1, 5s)) << simulator->err;
    }
    ~Rig() {
        simulator->Signal(SIGTERM);
        simulator->Wait();
    }
    test::ProgramRun Ovisctl(const std::string& command, const std::string& options,
                             test::Output output = test::Output::StdoutOnly) {
        return test::Ovisctl(command + " " + test::ShellQuoted(project) + " --port " +
                                 test::ShellQuoted(simulator->FirstLine()) + " " + options,
                             output);
    }
};

TEST(ReadoutEndToEnd, ReadsUnitsFromTheSimulatorsMemoryCard) {
    std::vector<Event> events;
    // Three days; within a day gaps of every kind: 10 us steps, milliseconds, minutes, hours.
    for (int day = 3; day <= 5; ++day) {
        const std::vector<Event> dayEvents = {
            {day, 6, 0, 0, 0, 1, true},      {day, 6, 0, 0, 1234, 2, true},    {day, 6, 0, 0, 1240, 1, false},
            {day, 6, 0, 42, 50000, 3, true}, {day, 6, 7, 42, 51600, 3, false}, {day, 9, 30, 0, 0, 2, false},
            {day, 23, 59, 59, 99900, 700, true},
        };
        events.insert(events.end(), dayEvents.begin(), dayEvents.end());
    }
    test::TempDir files;
    const auto eventsPath = files / "ereignisse.txt";
    std::ofstream(eventsPath) << EventsFile(events);
    Rig rig({"--events", eventsPath.string()});

    const auto units = rig.Ovisctl("units", "--folder 0");
    ASSERT_EQ(units.exitCode, 0) << units.output;
    EXPECT_EQ(units.output, "1\t05.01.2009   06:00\n2\t04.01.2009   06:00\n3\t03.01.2009   06:00\n");

    const auto readout = rig.Ovisctl("readout", "--folder 0 --units 1-5 --name \" Messung \"");
    ASSERT_EQ(readout.exitCode, 0) << readout.output;
    const auto file = rig.project / "Daten" / "Datenerfassung" / "Alle Meldungen" / "Messung.ofa";
    auto recording = std::make_unique<TRecording>();
    recording->LoadFile(file);
    EXPECT_EQ(readout.output, file.string() + "\t" + std::to_string(recording->Count()) + "\n");
    std::vector<TRecordingEvent> read;
    for (const auto& r : recording->Events())
        if (!IsMarker(r)) read.push_back(r);
    ASSERT_EQ(read.size(), events.size());
    for (std::size_t i = 0; i < events.size(); ++i) {
        const Event& e = events[i];
        const auto& r = read[i];
        EXPECT_EQ(MessageNumber(r), e.message) << i;
        EXPECT_EQ(IsLevelHigh(r), e.high) << i;
        EXPECT_EQ(int(r.Jahr), 109) << i;
        EXPECT_EQ(int(r.Monat), 1) << i;
        EXPECT_EQ(int(r.Tag), e.day) << i;
        EXPECT_EQ(int(r.Std), e.hour) << i;
        EXPECT_EQ(int(r.Min), e.minute) << i;
        EXPECT_EQ(r.SekMSek.get(), e.second * 1000 + e.fraction / 100) << i;
        EXPECT_EQ(int(r.Misek), e.fraction % 100) << i;
    }

    const auto exists = rig.Ovisctl("readout", "--folder 0 --units 1-1 --name Messung", test::Output::StdoutAndStderr);
    EXPECT_EQ(exists.exitCode, 1);
    EXPECT_NE(exists.output.find("Die Datei \"Messung\" existiert bereits! Wollen Sie diese Überschreiben?"),
              std::string::npos)
        << exists.output;

    const auto list = test::Ovisctl("files " + test::ShellQuoted(rig.project) + " --folder 0");
    ASSERT_EQ(list.exitCode, 0) << list.output;
    EXPECT_EQ(list.output.substr(0, list.output.find('\t', list.output.find('\t') + 1)),
              "Messung\t03.01.2009   06:00");
}

TEST(ReadoutEndToEnd, RefusalsSendNothing) {
    Rig rig({"--no-card"});
    const auto noCard = rig.Ovisctl("units", "--folder 0", test::Output::StdoutAndStderr);
    EXPECT_EQ(noCard.exitCode, 1);
    EXPECT_NE(noCard.output.find("Keine Memorycard im Interface !"), std::string::npos) << noCard.output;

    const auto output = rig.Ovisctl("units", "--folder 14", test::Output::StdoutAndStderr);
    EXPECT_EQ(output.exitCode, 1);
    EXPECT_NE(output.output.find("Bei diesem Ordner können generell keine Daten (Units) aus dem Interface gelesen werden."),
              std::string::npos)
        << output.output;

    const auto badName = rig.Ovisctl("readout", "--folder 0 --units 1-2 --name a/b", test::Output::StdoutAndStderr);
    EXPECT_EQ(badName.exitCode, 2);
    EXPECT_NE(badName.output.find("Der neue Ordnername a/b enthält unerlaubte Zeichen."), std::string::npos)
        << badName.output;

    const auto tooMany = rig.Ovisctl("readout", "--folder 0 --units 1-11 --name x", test::Output::StdoutAndStderr);
    EXPECT_EQ(tooMany.exitCode, 1);  // no card: the directory read fails first

    rig.simulator->Signal(SIGTERM);
    rig.simulator->Wait();
    EXPECT_EQ(rig.simulator->out.find("command=9"), std::string::npos) << rig.simulator->out;
    EXPECT_EQ(rig.simulator->out.find("data=0E"), std::string::npos) << "nothing sent for folder 14";
}

TEST(ReadoutEndToEnd, ElevenUnitsAreRefusedWithoutCommand9) {
    std::vector<Event> events;
    for (int day = 1; day <= 12; ++day) events.push_back({day, 8, 0, 0, 0, 1, day % 2 == 0});
    test::TempDir files;
    const auto eventsPath = files / "ereignisse.txt";
    std::ofstream(eventsPath) << EventsFile(events);
    Rig rig({"--events", eventsPath.string()});
    const auto tooMany = rig.Ovisctl("readout", "--folder 0 --units 2-12 --name x", test::Output::StdoutAndStderr);
    EXPECT_EQ(tooMany.exitCode, 1);
    EXPECT_NE(tooMany.output.find("Es können nicht mehr wie 10 Units gleichzeitig vom Interface geladen werden!"),
              std::string::npos)
        << tooMany.output;
    // Twelve rows of which three lie below the units: nine units, no message.
    const auto nine = rig.Ovisctl("readout", "--folder 0 --units 4-15 --name neun");
    EXPECT_EQ(nine.exitCode, 0) << nine.output;
    EXPECT_NE(nine.output.find("\t27\n"), std::string::npos) << nine.output;
    rig.simulator->Signal(SIGTERM);
    rig.simulator->Wait();
    EXPECT_NE(rig.simulator->out.find("command=9 executed=1 data=00 04 0C"), std::string::npos) << rig.simulator->out;
    EXPECT_EQ(rig.simulator->out.find("data=00 02 0C"), std::string::npos);
}

}  // namespace
}  // namespace ovis
