#include "platform/gui/qt_trash.h"

#include <QFile>

namespace ovis::gui {

bool QtTrash::MoveToTrash(const std::filesystem::path& file) {
    return QFile::moveToTrash(QFile::decodeName(QByteArray::fromStdString(file.string())));
}

}  // namespace ovis::gui
