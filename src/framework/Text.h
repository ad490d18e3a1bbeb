// The boundary between the core's CP932 bytes and the widgets' QString.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace tessary::fw {

QString fromCp932(std::string_view cp932);
std::string toCp932(const QString& text);

// File system paths are UTF-8 bytes on Linux.
QString fromPath(const std::string& path);
std::string toPath(const QString& path);

} // namespace tessary::fw
