#include "tables/group_check.h"

#include <algorithm>

#include "project/system_parameters.h"
#include "tables/group_columns.h"

namespace ovis {

std::vector<std::string> AcquisitionFolderNames(const SystemParameters& parameters) {
    // Counted from the record: the configuration dialog creates and deletes folders at once,
    // before the derived count is brought up to date.
    std::vector<std::string> names;
    const int count = CountAcquisitionFolders(parameters.Record());
    for (int folder = 1; folder <= count; ++folder)
        names.push_back(parameters.Record().Ordner[folder].str());
    return names;
}

std::optional<CheckFailure> CheckGroupRows(std::span<const TGruppeRecord> rows, const std::vector<std::string>& folders) {
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const TGruppeRecord& row = rows[r];
        const std::string number = std::to_string(r + 1);
        if (row.Anzahl <= 0)
            return CheckFailure{"In der Zeile Nr. " + number + " wurde kein Gruppenmitglied ausgewählt!\r\r"
                                "Geben Sie dieses bitte an oder löschen Sie den kompletten Eintrag.",
                                r + 1, group_column::kFirstMember};
        const auto folder = row.SpeicherOrdner.view();
        if (!folder.empty() && std::find(folders.begin(), folders.end(), folder) == folders.end())
            return CheckFailure{"          Der Eintrag in Zeile Nr. " + number + " existiert aktuell nicht!\r\r"
                                "Bitte ändern Sie den Eintrag hier oder in den Einstellungen.",
                                r + 1, group_column::kFolder};
    }
    return std::nullopt;
}

}  // namespace ovis
