#include "records/typed_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <thread>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace ovis {
namespace fs = std::filesystem;

namespace {

std::string ErrnoText(int err) { return SystemErrorText(err); }

std::optional<Bytes> ReadOpened(std::FILE* f, const fs::path& path) {
    Bytes bytes;
    std::uint8_t buffer[65536];
    for (;;) {
        std::size_t n = std::fread(buffer, 1, sizeof buffer, f);
        bytes.insert(bytes.end(), buffer, buffer + n);
        if (n < sizeof buffer) break;
    }
    bool failed = std::ferror(f) != 0;
    int err = errno;
    std::fclose(f);
    if (failed) throw IoError(FileErrorText("Die Datei", path, "Lesefehler: " + ErrnoText(err)));
    return bytes;
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool EqualIgnoringAsciiCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    return true;
}

}  // namespace

std::string SystemErrorText(int errorNumber) {
    switch (errorNumber) {
        case ENOENT: return "Datei oder Verzeichnis nicht gefunden";
        case EACCES:
        case EPERM: return "Zugriff verweigert";
        case ENOSPC: return "kein Speicherplatz mehr auf dem Datenträger";
        case EROFS: return "der Datenträger ist schreibgeschützt";
        case EEXIST: return "die Datei oder das Verzeichnis existiert bereits";
        case ENOTDIR: return "ein Teil des Pfades ist kein Verzeichnis";
        case EISDIR: return "der Pfad ist ein Verzeichnis";
        case ENOTEMPTY: return "das Verzeichnis ist nicht leer";
        case EBUSY: return "die Datei ist in Gebrauch";
        case ENAMETOOLONG: return "der Name ist zu lang";
        case EIO: return "Ein-/Ausgabefehler des Datenträgers";
        case EFBIG: return "die Datei ist zu groß";
        case EXDEV: return "Verschieben zwischen Datenträgern nicht möglich";
        default: return std::strerror(errorNumber);
    }
}

std::string SystemErrorText(const std::error_code& error) {
    if (error.category() == std::generic_category() || error.category() == std::system_category())
        return SystemErrorText(error.value());
    return error.message();
}

std::string FileErrorText(const std::string& what, const fs::path& path, const std::string& reason) {
    return "E/A-Fehler: " + what + " \"" + path.string() + "\" – " + reason + ".";
}

std::optional<Bytes> ReadFileWithRetries(const fs::path& path, OpenRetry retry) {
    for (int attempt = 0; attempt < retry.attempts; ++attempt) {
        if (attempt > 0) std::this_thread::sleep_for(retry.pause);
        std::error_code ec;
        if (fs::is_directory(path, ec)) continue;
        if (std::FILE* f = std::fopen(path.string().c_str(), "rb")) return ReadOpened(f, path);
    }
    return std::nullopt;
}

Bytes ReadFileOrThrow(const fs::path& path) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) throw IoError(FileErrorText("Die Datei", path, "sie ist ein Verzeichnis"));
    std::FILE* f = std::fopen(path.string().c_str(), "rb");
    if (!f) throw IoError(FileErrorText("Die Datei", path, "sie kann nicht geöffnet werden: " + ErrnoText(errno)));
    return *ReadOpened(f, path);
}

void WriteFileAtomically(const fs::path& path, const Bytes& bytes) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    fs::path dir = path.has_parent_path() ? path.parent_path() : fs::path(".");
    fs::path temp = dir / ("." + path.filename().string() + ".tmp" + std::to_string(random() % 1000000000ULL));

    std::FILE* f = std::fopen(temp.string().c_str(), "wb");
    if (!f) throw IoError(FileErrorText("Die Datei", path, "sie kann nicht geschrieben werden: " + ErrnoText(errno)));
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fflush(f) == 0 && ok;
#ifndef _WIN32
    ok = ::fsync(::fileno(f)) == 0 && ok;
#endif
    int err = errno;
    ok = std::fclose(f) == 0 && ok;
    if (!ok) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        throw IoError(FileErrorText("Die Datei", path, "Schreibfehler: " + ErrnoText(err)));
    }
    std::error_code ec;
    fs::rename(temp, path, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        throw IoError(FileErrorText("Die Datei", path, "sie kann nicht ersetzt werden: " + SystemErrorText(ec)));
    }
}

fs::path ResolveInDirectory(const fs::path& dir, const std::string& name) {
    fs::path exact = dir / name;
    std::error_code ec;
    if (fs::exists(exact, ec)) return exact;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::string entry = it->path().filename().string();
        if (EqualIgnoringAsciiCase(entry, name)) return it->path();
    }
    return exact;
}

}  // namespace ovis
