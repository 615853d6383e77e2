#include "project/listed_files.h"

#include <algorithm>

#include "records/codepage.h"
#include "records/typed_file.h"

namespace ovis {
namespace fs = std::filesystem;

namespace {

// Upper case in code page 1252: ASCII letters and the accented Latin-1 letters.
unsigned char UpperInCodePage(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 0x20);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 0x20);
    return c;
}

std::string ListingKey(std::string_view name) {
    std::string key = RecordText(name);
    std::transform(key.begin(), key.end(), key.begin(),
                   [](char c) { return static_cast<char>(UpperInCodePage(static_cast<unsigned char>(c))); });
    return key;
}

}  // namespace

bool HasExtension(const fs::path& path, std::string_view extension) {
    const std::string ext = path.extension().string();
    return ext.size() == extension.size() &&
           std::equal(ext.begin(), ext.end(), extension.begin(), [](char a, char b) {
               return UpperInCodePage(static_cast<unsigned char>(a)) == UpperInCodePage(static_cast<unsigned char>(b));
           });
}

bool ListedBefore(std::string_view a, std::string_view b) {
    const std::string keyA = ListingKey(a);
    const std::string keyB = ListingKey(b);
    if (keyA != keyB) return keyA < keyB;
    return a < b;
}

namespace {

void SortListed(std::vector<std::string>& names) {
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) { return ListedBefore(a, b); });
}

}  // namespace

std::vector<std::string> ListedFileNames(const fs::path& dir, std::string_view extension) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (HasExtension(it->path(), extension) && it->is_regular_file(typeError))
            names.push_back(it->path().filename().string());
    }
    SortListed(names);
    return names;
}

std::vector<std::string> ListedEntryNames(const fs::path& dir, std::string_view extension) {
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(dir, ec);
    if (ec == std::errc::no_such_file_or_directory) return names;
    for (fs::directory_iterator end; !ec && it != end; it.increment(ec))
        if (HasExtension(it->path(), extension)) names.push_back(it->path().filename().string());
    if (ec) throw IoError(FileErrorText("Der Ordner", dir, "er kann nicht gelesen werden: " + SystemErrorText(ec)));
    SortListed(names);
    return names;
}

}  // namespace ovis
