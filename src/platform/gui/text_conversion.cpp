#include "platform/gui/text_conversion.h"

#include <QFile>

#include "records/codepage.h"

namespace ovis::gui {

QString FromRecord(std::string_view bytes) { return QString::fromStdString(ToUtf8(bytes)); }

std::optional<std::string> ToRecord(const QString& text) { return FromUtf8(text.toStdString()); }

QString FromCore(const std::string& utf8) {
    QString text = QString::fromStdString(utf8);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar('\r'), QChar('\n'));
    return text;
}

QString FromFileName(const std::string& name) { return QFile::decodeName(QByteArray::fromStdString(name)); }

}  // namespace ovis::gui
