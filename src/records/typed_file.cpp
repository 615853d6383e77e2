#include "records/typed_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <random>
#include <thread>

namespace ovis {
namespace fs = std::filesystem;

namespace {

std::string ErrnoText(int err) { return SystemErrorText(err); }

IoError NotRegularFileError(const fs::path& path) {
    return IoError(FileErrorText("Die Datei", path, "sie ist keine reguläre Datei; sie ist beschädigt"));
}

// Opens a regular file for reading: -1 (errno set) when it cannot be opened or is a directory;
// IoError for any other kind of file. The open does not wait for a writer of a FIFO.
int OpenRegularFile(const fs::path& path, struct stat& info) {
    if (::stat(path.c_str(), &info) != 0) return -1;
    if (S_ISDIR(info.st_mode)) {
        errno = EISDIR;
        return -1;
    }
    if (!S_ISREG(info.st_mode)) throw NotRegularFileError(path);
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return -1;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {  // replaced since the check
        ::close(fd);
        throw NotRegularFileError(path);
    }
    return fd;
}

// Reads into `data` until it is full or the file ends; returns the bytes read. On a read error the
// file is closed and IoError thrown.
std::size_t ReadSome(int fd, std::uint8_t* data, std::size_t size, const fs::path& path) {
    std::size_t filled = 0;
    while (filled < size) {
        ssize_t n = ::read(fd, data + filled, size - filled);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            int err = errno;
            ::close(fd);
            throw IoError(FileErrorText("Die Datei", path, "Lesefehler: " + ErrnoText(err)));
        }
        if (n == 0) break;
        filled += std::size_t(n);
    }
    return filled;
}

// Reads up to `maxBytes` and closes the file. A file that grew since `info` was taken is read on
// up to the limit.
FilePrefix ReadOpened(int fd, const struct stat& info, std::size_t maxBytes, const fs::path& path) {
    FilePrefix prefix;
    prefix.bytes.resize(std::min<std::uintmax_t>(maxBytes, std::uintmax_t(info.st_size)));
    std::size_t filled = 0;
    while (filled < maxBytes) {
        if (filled == prefix.bytes.size()) prefix.bytes.resize(std::min<std::size_t>(maxBytes, filled + 65536));
        const std::size_t n = ReadSome(fd, prefix.bytes.data() + filled, prefix.bytes.size() - filled, path);
        filled += n;
        if (filled < prefix.bytes.size()) break;
    }
    ::close(fd);
    prefix.bytes.resize(filled);
    prefix.fileSize = std::max<std::uintmax_t>(std::uintmax_t(info.st_size), filled);
    return prefix;
}

int OpenRegularFileWithRetries(const fs::path& path, OpenRetry retry, struct stat& info) {
    for (int attempt = 0; attempt < retry.attempts; ++attempt) {
        if (attempt > 0) std::this_thread::sleep_for(retry.pause);
        int fd = OpenRegularFile(path, info);
        if (fd >= 0) return fd;
    }
    return -1;
}

IoError TooLargeError(const fs::path& path, std::uintmax_t size) {
    return IoError(FileErrorText("Die Datei", path,
                                 "sie ist mit " + std::to_string(size) + " Bytes zu groß (höchstens " +
                                     std::to_string(kMaxFileBytes) + " Bytes); sie ist beschädigt"));
}

// Reads a whole opened file; one longer than kMaxFileBytes is refused before it is read.
Bytes ReadWholeOpened(int fd, const struct stat& info, const fs::path& path) {
    if (std::uintmax_t(info.st_size) > kMaxFileBytes) {
        ::close(fd);
        throw TooLargeError(path, std::uintmax_t(info.st_size));
    }
    FilePrefix prefix = ReadOpened(fd, info, kMaxFileBytes + 1, path);
    if (prefix.bytes.size() > kMaxFileBytes) throw TooLargeError(path, prefix.fileSize);
    return std::move(prefix.bytes);
}

// The file a path names, with symbolic links followed; the path itself when it is no link.
fs::path FollowLinks(const fs::path& path) {
    fs::path current = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(current, ec)) return current;
        fs::path target = fs::read_symlink(current, ec);
        if (ec) {
            throw IoError(FileErrorText("Die Datei", path,
                                        "ihre Verknüpfung kann nicht gelesen werden: " + SystemErrorText(ec)));
        }
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    throw IoError(FileErrorText("Die Datei", path, ErrnoText(ELOOP)));
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += std::size_t(n);
    }
    return true;
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
        case ELOOP: return "zu viele symbolische Verknüpfungen";
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

IoError PartialRecordError(const fs::path& path, std::uintmax_t fileSize, std::size_t recordSize) {
    return IoError(FileErrorText("Die Datei", path,
                                 "ihre Länge von " + std::to_string(fileSize) +
                                     " Bytes ist kein Vielfaches der Satzlänge von " + std::to_string(recordSize) +
                                     " Bytes; sie ist unvollständig oder beschädigt"));
}

std::optional<FilePrefix> ReadFilePrefixWithRetries(const fs::path& path, std::size_t maxBytes, OpenRetry retry) {
    struct stat info {};
    int fd = OpenRegularFileWithRetries(path, retry, info);
    if (fd < 0) return std::nullopt;
    return ReadOpened(fd, info, maxBytes, path);
}

std::optional<FileRead> ReadFileIntoWithRetries(const fs::path& path, std::span<std::uint8_t> buffer, OpenRetry retry) {
    struct stat info {};
    int fd = OpenRegularFileWithRetries(path, retry, info);
    if (fd < 0) return std::nullopt;
    FileRead read;
    read.bytesRead = ReadSome(fd, buffer.data(), buffer.size(), path);
    ::close(fd);
    read.fileSize = std::max<std::uintmax_t>(std::uintmax_t(info.st_size), read.bytesRead);
    return read;
}

std::optional<Bytes> ReadFileWithRetries(const fs::path& path, OpenRetry retry) {
    struct stat info {};
    int fd = OpenRegularFileWithRetries(path, retry, info);
    if (fd < 0) return std::nullopt;
    return ReadWholeOpened(fd, info, path);
}

Bytes ReadFileOrThrow(const fs::path& path) {
    struct stat info {};
    int fd = OpenRegularFile(path, info);
    if (fd < 0) {
        if (errno == EISDIR) throw IoError(FileErrorText("Die Datei", path, "sie ist ein Verzeichnis"));
        throw IoError(FileErrorText("Die Datei", path, "sie kann nicht geöffnet werden: " + ErrnoText(errno)));
    }
    return ReadWholeOpened(fd, info, path);
}

void WriteFileAtomically(const fs::path& path, const Bytes& bytes) { WriteBytesAtomically(path, bytes); }

void WriteBytesAtomically(const fs::path& path, std::span<const std::uint8_t> bytes) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    const fs::path target = FollowLinks(path);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode))
        throw IoError(FileErrorText("Die Datei", path, "sie ist keine reguläre Datei und wird nicht überschrieben"));
    if (exists && ((existing.st_mode & S_IWUSR) == 0 || ::access(target.c_str(), W_OK) != 0))
        throw IoError(FileErrorText("Die Datei", path, "sie ist schreibgeschützt und wird nicht überschrieben"));

    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const fs::path temp = dir / SaveTempName(target.filename().string(), random() % kSaveTempNumbers);
    const mode_t mode = exists ? existing.st_mode & 0777 : 0666;
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0) throw IoError(FileErrorText("Die Datei", path, "sie kann nicht geschrieben werden: " + ErrnoText(errno)));
    if (exists) {
        // The owner and the full mode (past the umask) are kept where the file system stores
        // them; a file system without modes (a FAT stick, a share) saves all the same.
        if (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid()) {
            [[maybe_unused]] const int ownerKept = ::fchown(fd, existing.st_uid, existing.st_gid);
        }
        [[maybe_unused]] const int modeKept = ::fchmod(fd, existing.st_mode & 07777);
    }
    bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    int err = errno;
    ok = ::close(fd) == 0 && ok;
    if (!ok) {
        ::unlink(temp.c_str());
        throw IoError(FileErrorText("Die Datei", path, "Schreibfehler: " + ErrnoText(err)));
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        err = errno;
        ::unlink(temp.c_str());
        throw IoError(FileErrorText("Die Datei", path, "sie kann nicht ersetzt werden: " + ErrnoText(err)));
    }
}

void CreateDirectoryOrThrow(const fs::path& dir) {
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec) throw IoError(FileErrorText("Das Verzeichnis", dir, "es kann nicht angelegt werden: " + SystemErrorText(ec)));
}

std::string SaveTempName(const std::string& fileName, std::uint64_t number) {
    return "." + fileName + ".tmp" + std::to_string(number);
}

std::optional<std::string> SaveTempTarget(std::string_view name) {
    const std::size_t marker = name.rfind(".tmp");
    if (name.size() < 2 || name.front() != '.' || marker == std::string_view::npos || marker < 2) return std::nullopt;
    const std::string_view number = name.substr(marker + 4);
    const bool digits =
        !number.empty() && std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
    // SaveTempName writes no leading zero, and the number stays below kSaveTempNumbers.
    if (!digits || (number.size() > 1 && number.front() == '0') ||
        number.size() > std::to_string(kSaveTempNumbers - 1).size())
        return std::nullopt;
    return std::string(name.substr(1, marker - 1));
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
