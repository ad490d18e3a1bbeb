#include "framework/Text.h"

#include "platform/Cp932.h"

namespace tessary::fw {

QString fromCp932(std::string_view cp932) {
    // Pure ASCII (most names and numbers) needs no codec.
    bool ascii = true;
    for (const char c : cp932) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii) {
        return QString::fromLatin1(cp932.data(), static_cast<qsizetype>(cp932.size()));
    }
    const std::string utf8 = cp932ToUtf8(cp932);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string toCp932(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return utf8ToCp932(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

QString fromPath(const std::string& path) {
    return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
}

std::string toPath(const QString& path) {
    const QByteArray bytes = path.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace tessary::fw
