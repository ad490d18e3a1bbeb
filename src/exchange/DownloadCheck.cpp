#include "exchange/DownloadCheck.h"

#include "data/Deed.h"
#include "data/DeedFile.h"

#include <cstddef>

namespace tessary {

namespace {

bool isAsciiAlpha(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isControl(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7F;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        if (x >= 'A' && x <= 'Z') {
            x = static_cast<char>(x - 'A' + 'a');
        }
        if (x != b[i]) {
            return false;
        }
    }
    return true;
}

bool isHostName(std::string_view host) {
    if (host.empty()) {
        return false;
    }
    for (char c : host) {
        if (!isAsciiAlpha(c) && !isDigit(c) && c != '-' && c != '.' && c != '_') {
            return false;
        }
    }
    return true;
}

bool isIpv6Literal(std::string_view host) {
    if (host.size() < 4 || host.front() != '[' || host.back() != ']') {
        return false;
    }
    bool colon = false;
    for (char c : host.substr(1, host.size() - 2)) {
        const bool hex = isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (!hex && c != ':' && c != '.') {
            return false;
        }
        colon = colon || c == ':';
    }
    return colon;
}

// "" gives the default port; otherwise 1 to 65535 in decimal digits only.
std::optional<std::uint16_t> parsePort(std::string_view text) {
    if (text.empty()) {
        return std::uint16_t{80};
    }
    if (text.size() > 5) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (char c : text) {
        if (!isDigit(c)) {
            return std::nullopt;
        }
        value = value * 10 + static_cast<std::uint32_t>(c - '0');
    }
    if (value == 0 || value > 65535) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(value);
}

} // namespace

std::optional<HttpAddress> parseHttpAddress(std::string_view address) {
    for (char c : address) {
        if (isControl(c)) {
            return std::nullopt;
        }
    }
    const std::size_t schemeEnd = address.find("://");
    if (schemeEnd == std::string_view::npos ||
        !equalsIgnoringCase(address.substr(0, schemeEnd), "http")) {
        return std::nullopt;
    }
    std::string_view rest = address.substr(schemeEnd + 3);
    const std::size_t authorityEnd = rest.find_first_of("/?#");
    std::string_view authority = rest.substr(0, authorityEnd);
    std::string_view tail =
        authorityEnd == std::string_view::npos ? std::string_view{} : rest.substr(authorityEnd);

    HttpAddress result;
    // The last '@' ends the user-info: a password may itself hold one.
    if (const std::size_t at = authority.rfind('@'); at != std::string_view::npos) {
        result.userInfo.assign(authority.substr(0, at));
        authority = authority.substr(at + 1);
        if (result.userInfo.find(' ') != std::string::npos) {
            return std::nullopt;
        }
    }
    std::string_view host = authority;
    std::string_view port;
    const std::size_t closing = authority.rfind(']');
    const std::size_t colon = authority.rfind(':');
    if (colon != std::string_view::npos && (closing == std::string_view::npos || colon > closing)) {
        host = authority.substr(0, colon);
        port = authority.substr(colon + 1);
    }
    if (!isHostName(host) && !isIpv6Literal(host)) {
        return std::nullopt;
    }
    const auto portNumber = parsePort(port);
    if (!portNumber) {
        return std::nullopt;
    }
    result.host.assign(host);
    result.port = *portNumber;
    const std::size_t fragment = tail.find('#');
    result.target.assign(tail.substr(0, fragment));
    if (result.target.empty() || result.target.front() == '?') {
        result.target.insert(0, "/");
    }
    return result;
}

DownloadOutcome outcomeOfStatus(int status) {
    if (status == 200) {
        return DownloadOutcome::Success;
    }
    if (status == 404) {
        return DownloadOutcome::NotFound;
    }
    return DownloadOutcome::CannotOpen;
}

bool isWholeDeedFile(std::string_view body) {
    ByteReader in(body);
    std::uint32_t rawCount = 0;
    if (!in.readU32(rawCount)) {
        return false;
    }
    const auto count = static_cast<std::int32_t>(rawCount);
    if (count <= 0) {
        return true;
    }
    // A count the remaining bytes cannot hold is refused before any record is read.
    if (static_cast<std::size_t>(count) > in.remaining() / kMinDeedRecordSize) {
        return false;
    }
    Deed deed;
    for (std::int32_t i = 0; i < count; ++i) {
        if (!readDeedRecord(in, deed)) {
            return false;
        }
    }
    return true;
}

} // namespace tessary
