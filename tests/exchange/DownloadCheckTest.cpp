#include "exchange/DownloadCheck.h"

#include "data/Deed.h"
#include "data/DeedFile.h"

#include <gtest/gtest.h>

#include <string>

namespace tessary {
namespace {

using namespace std::string_literals;

TEST(DownloadAddress, PlainHttpAddressesGiveHostPortAndTarget) {
    auto a = parseHttpAddress("http://example.org/deeds/set.dat");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->host, "example.org");
    EXPECT_EQ(a->port, 80);
    EXPECT_EQ(a->target, "/deeds/set.dat");

    a = parseHttpAddress("HTTP://127.0.0.1:8080");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->host, "127.0.0.1");
    EXPECT_EQ(a->port, 8080);
    EXPECT_EQ(a->target, "/");

    // The query is part of what is asked for; the fragment never is.
    a = parseHttpAddress("http://h/get?file=a.dat&x=1#top");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->target, "/get?file=a.dat&x=1");
    a = parseHttpAddress("http://h?x=1");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->target, "/?x=1");

    // A password may hold '@'; the last one ends the user-info. An empty port is the default.
    a = parseHttpAddress("http://me:p@ss@files.example:/a");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->userInfo, "me:p@ss");
    EXPECT_EQ(a->host, "files.example");
    EXPECT_EQ(a->port, 80);

    a = parseHttpAddress("http://[::1]:81/x");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->host, "[::1]");
    EXPECT_EQ(a->port, 81);

    // Non-ASCII bytes in the path are kept for the fetcher to encode.
    a = parseHttpAddress("http://h/\xe3\x83\x87.dat");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->target, "/\xe3\x83\x87.dat");
}

TEST(DownloadAddress, EverythingButPlainHttpIsRefused) {
    for (const char* address :
         {"",        // nothing typed
          "http://", // the default text unchanged
          "https://example.org/a.dat",
          "ftp://example.org/a.dat",
          "file:///tmp/a.dat",
          "httpx://h/",
          "htt://h/",
          "example.org/a.dat",
          "http:/h/a.dat",
          "http:h",
          " http://h/a.dat",  // used exactly as typed: a leading blank is no scheme
          "http://h /a.dat",  // blank in the host
          "http://h/a\n.dat", // control character
          "http://h:0/",
          "http://h:65536/",
          "http://h:8o/",
          "http://h:123456/",
          "http://user@/a",
          "http://:80/",
          "http://h:80:81/",
          "http://ex\xc3\xa4mple/",
          "http://[::1/",
          "http://[zz]/",
          "http://h\\x/"}) {
        EXPECT_FALSE(parseHttpAddress(address)) << address;
    }
}

TEST(DownloadStatus, OnlyTwoHundredSucceedsAndOnlyFourOhFourIsNotFound) {
    EXPECT_EQ(outcomeOfStatus(200), DownloadOutcome::Success);
    EXPECT_EQ(outcomeOfStatus(404), DownloadOutcome::NotFound);
    for (int status : {0, -1, 201, 204, 206, 301, 304, 403, 410, 500, 503}) {
        EXPECT_EQ(outcomeOfStatus(status), DownloadOutcome::CannotOpen) << status;
    }
}

std::string fileOf(std::int32_t count, std::initializer_list<Deed> deeds) {
    std::string out;
    appendDeedCount(out, count);
    for (const Deed& d : deeds) {
        appendDeedRecord(out, d);
    }
    return out;
}

Deed deed(std::uint32_t serial, std::string comment) {
    Deed d;
    d.itemCode = Deed::makeItemCode(4, 4, 2, 1);
    d.orderCode = Deed::makeOrderCode(2, 3);
    d.serialNumber = serial;
    d.comment = std::move(comment);
    return d;
}

TEST(DownloadBody, WholeDeedFilesAreAcceptedAsTheReaderReadsThem) {
    // The one-deed file of the format's worked example, byte for byte.
    EXPECT_TRUE(isWholeDeedFile("\x01\x00\x00\x00\x01\x02\x04\x04\x00\x00\x03\x02\x05\x00\x0c"
                                "\x00\x00\x00\x00"s));
    EXPECT_TRUE(isWholeDeedFile(fileOf(2, {deed(7, "a"), deed(3, std::string(300, 'x'))})));
    // A count of 0 or below announces no records, whatever follows.
    EXPECT_TRUE(isWholeDeedFile("\x00\x00\x00\x00"s));
    EXPECT_TRUE(isWholeDeedFile("\xff\xff\xff\xff garbage"s));
    // Bytes after the announced records are ignored, as when a file is opened.
    EXPECT_TRUE(isWholeDeedFile(fileOf(1, {deed(1, "x"), deed(2, "y")})));
}

TEST(DownloadBody, CutOrLyingBodiesAreRefused) {
    EXPECT_FALSE(isWholeDeedFile(""));          // an empty answer holds no count
    EXPECT_FALSE(isWholeDeedFile("\x01\x00"s)); // cut inside the count
    const std::string two = fileOf(2, {deed(1, "first"), deed(2, "second")});
    // Cut anywhere inside the records: in a number, in the length prefix, in the comment.
    for (std::size_t size = 5; size < two.size(); ++size) {
        EXPECT_FALSE(isWholeDeedFile(std::string_view(two).substr(0, size))) << size;
    }
    // More deeds announced than sent, and an absurd count.
    EXPECT_FALSE(isWholeDeedFile(fileOf(3, {deed(1, "a"), deed(2, "b")})));
    EXPECT_FALSE(isWholeDeedFile(fileOf(0x7fffffff, {deed(1, "a")})));
    // A comment length beyond the body, in the long and the wide forms.
    std::string longComment = fileOf(1, {});
    longComment +=
        "\x01\x02\x04\x04\x00\x00\x03\x02\x05\x00\x0c\x00\x00\x00\xff\xff\xff\xff\xff\xff\x7f"s;
    EXPECT_FALSE(isWholeDeedFile(longComment));
    std::string wide = fileOf(1, {});
    wide += "\x01\x02\x04\x04\x00\x00\x03\x02\x05\x00\x0c\x00\x00\x00\xff\xfe\xff\x02\x41\x00"s;
    EXPECT_FALSE(isWholeDeedFile(wide)); // two UTF-16 characters announced, one sent
    wide += "\x42\x00"s;
    EXPECT_TRUE(isWholeDeedFile(wide));
}

} // namespace
} // namespace tessary
