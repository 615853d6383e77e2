#include "project/project_names.h"

#include <gtest/gtest.h>

namespace ovis {
namespace {

TEST(ProjectNames, Verdicts) {
    auto exists = [](const std::string& n) { return FoldCase(n) == FoldCase("Anlage Süd"); };
    struct Case {
        const char* entered;
        NameVerdict verdict;
        const char* name;
    };
    const Case cases[] = {
        {"  Halle 3  ", NameVerdict::Accepted, "Halle 3"},
        {"    ", NameVerdict::Empty, ""},
        {"", NameVerdict::Empty, ""},
        {"a/b", NameVerdict::Forbidden, "a/b"},
        {"Lager:1", NameVerdict::Forbidden, "Lager:1"},
        {"x|y", NameVerdict::Forbidden, "x|y"},
        {"Größe", NameVerdict::Accepted, "Größe"},
        {"Tab\there", NameVerdict::Accepted, "Tab\there"},
        {"\tTab", NameVerdict::Accepted, "\tTab"},  // only blanks are trimmed
        {"Anlage Süd", NameVerdict::Exists, "Anlage Süd"},
        {"ANLAGE SÜD", NameVerdict::Exists, "ANLAGE SÜD"},
        {"Ωmega", NameVerdict::NotStorable, "Ωmega"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entered);
        auto check = CheckProjectName(c.entered, exists);
        EXPECT_EQ(check.verdict, c.verdict);
        EXPECT_EQ(check.name, c.name);
    }
}

TEST(ProjectNames, MessagesAreVerbatim) {
    auto none = [](const std::string&) { return false; };
    EXPECT_EQ(CheckProjectName(" a*b ", none).message,
              "Der neue Projektname a*b enthält unerlaubte Zeichen. Bitte geben Sie einen anderen Namen ein!\r\r"
              "Folgende Zeichen dürfen im Projektnamen nicht enthalten sein: \\ / : * ? \" < > | ");
    auto all = [](const std::string&) { return true; };
    EXPECT_EQ(CheckProjectName("Demo", all).message, "Das Projekt Demo existiert bereits!");
}

}  // namespace
}  // namespace ovis
