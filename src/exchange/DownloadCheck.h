// What the deed-file download decides without the network: which addresses may be fetched, what
// an HTTP answer means to the user, whether a received body is a whole deed file, and the limits
// of one transfer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessary {

// The limits of one transfer. The fetcher takes them as parameters, so tests can lower them.
inline constexpr std::int64_t kMaxDownloadBytes = std::int64_t{128} * 1024 * 1024;
inline constexpr int kDownloadStallMs = 30'000;
inline constexpr int kMaxDownloadRedirects = 5;

// The pieces of an address that may be fetched.
struct HttpAddress {
    std::string userInfo; // without the '@'; empty when none
    std::string host;     // a name, a dotted address, or an IPv6 literal in brackets
    std::uint16_t port = 80;
    std::string target; // path and query as written ("/" when the address has neither)
};

// Parses an address exactly as typed (nothing trimmed). Only plain http is accepted: the scheme
// "http" in any letter case, "://", an optional user-info ending in '@', a host of ASCII letters,
// digits, '-', '.' and '_' (or an IPv6 literal in brackets), an optional port from 1 to 65535,
// then nothing or a path, query or fragment starting with '/', '?' or '#'. Control characters
// are refused anywhere and blanks in the host part; bytes above 0x7F may appear in the path,
// query and fragment, which the fetcher percent-encodes. A fragment is never sent.
std::optional<HttpAddress> parseHttpAddress(std::string_view address);

// What one attempt ends in, one for each message the user can see.
enum class DownloadOutcome {
    Success,        // a whole deed file was received
    InvalidAddress, // the address is refused, or the network failed (stall included)
    NotFound,       // status 404
    CannotOpen,     // any other status than 200 and 404, or a body above the size cap
    BadDeedFile,    // status 200 with a body that is not a whole deed file
};

// Status 200 is Success (the body is still to be checked); 404 NotFound; anything else,
// including a status line that could not be read (0 or negative), CannotOpen.
DownloadOutcome outcomeOfStatus(int status);

// True when `body` holds a whole deed file as the deed-file reader reads it: the count and every
// record it announces (none for a count of 0 or less). Bytes after the last record are ignored,
// as they are when a file is opened. An empty body is not a deed file: the count itself is
// missing.
bool isWholeDeedFile(std::string_view body);

} // namespace tessary
