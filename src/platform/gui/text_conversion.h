#pragma once
// Text at the GUI boundary: record strings are code page 1252 bytes, core texts are UTF-8,
// file names are the file system's encoding.
#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace ovis::gui {

// Record bytes (code page 1252) to a QString.
QString FromRecord(std::string_view bytes);
// A QString to record bytes; nothing when it holds a character code page 1252 cannot represent.
std::optional<std::string> ToRecord(const QString& text);
// A core text (UTF-8), carriage returns turned into line breaks.
QString FromCore(const std::string& utf8);
// A file or folder name as the file system holds it.
QString FromFileName(const std::string& name);

}  // namespace ovis::gui
