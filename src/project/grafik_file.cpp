#include "project/grafik_file.h"

#include <array>
#include <cstring>
#include <utility>

#include "records/typed_file.h"

namespace ovis {
namespace {

// Code page 437 byte and the code page 1252 byte of the same letter.
constexpr std::array<std::pair<unsigned char, unsigned char>, 7> kLetters{
    {{129, 252}, {132, 228}, {142, 196}, {148, 246}, {153, 214}, {154, 220}, {225, 223}}};

template <std::size_t N>
void Blanks(PString<N>& text) {
    text.assign(std::string(N, ' '));
}

std::string Translate(std::string_view text, bool toWindows) {
    std::string out(text);
    for (char& c : out) {
        for (const auto& [dos, windows] : kLetters) {
            const unsigned char from = toWindows ? dos : windows;
            if (static_cast<unsigned char>(c) == from) {
                c = static_cast<char>(toWindows ? windows : dos);
                break;
            }
        }
    }
    return out;
}

}  // namespace

TGrafikRecord DefaultGrafikRecord() {
    TGrafikRecord r;
    std::memset(&r, 0, sizeof r);
    Blanks(r.Objektbezeichnung);
    Blanks(r.Gruppeneinteilung);
    for (auto& stop : r.HaltBezeichnung) Blanks(stop);
    for (auto& text : r.Statusmeldung) Blanks(text);
    for (auto& text : r.Stoermeldung) Blanks(text);
    for (auto& lift : r.Aufzug) {
        lift[kErsterHalt] = 1;
        lift[kGruppe] = 1;
        lift[kSeiten] = 1;
    }
    return r;
}

std::filesystem::path GrafikPathOfProject(const std::filesystem::path& projectDir) {
    std::filesystem::path dir = projectDir;
    if (!dir.has_filename()) dir = dir.parent_path();  // a trailing separator
    return ResolveInDirectory(dir.parent_path().parent_path(), kGrafikFileName);
}

GrafikLoad LoadGrafik(const std::filesystem::path& path) {
    GrafikLoad load{DefaultGrafikRecord(), false};
    auto prefix = ReadFilePrefixWithRetries(path, sizeof(TGrafikRecord) + 1);
    if (!prefix) return load;
    if (prefix->fileSize != sizeof(TGrafikRecord)) {
        throw IoError(FileErrorText("Die Datei", path,
                                    "sie ist beschädigt (" + std::to_string(prefix->fileSize) + " statt " +
                                        std::to_string(sizeof(TGrafikRecord)) + " Bytes)"));
    }
    std::memcpy(&load.record, prefix->bytes.data(), sizeof(TGrafikRecord));
    load.fromFile = true;
    return load;
}

void SaveGrafik(const std::filesystem::path& path, const TGrafikRecord& record) { WriteRecords(path, &record, 1); }

std::string GrafikTextToWindows(std::string_view cp437) { return Translate(cp437, true); }
std::string WindowsTextToGrafik(std::string_view cp1252) { return Translate(cp1252, false); }

}  // namespace ovis
