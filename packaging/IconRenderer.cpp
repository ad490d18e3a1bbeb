// Build step: writes the program's icon as PNG files of the sizes the desktop's icon theme asks
// for, from the same drawing the running program uses for its window icon.
//
// Usage: tessary_icon_renderer SIZE FILE [SIZE FILE ...]
#include "resources/Images.h"

#include <QImage>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc < 3 || argc % 2 == 0) {
        std::fputs("usage: tessary_icon_renderer SIZE FILE [SIZE FILE ...]\n", stderr);
        return 2;
    }
    for (int i = 1; i + 1 < argc; i += 2) {
        char* end = nullptr;
        const long size = std::strtol(argv[i], &end, 10);
        if (end == argv[i] || *end != '\0' || size < 8 || size > 1024) {
            std::fprintf(stderr, "tessary_icon_renderer: not an icon size: %s\n", argv[i]);
            return 2;
        }
        const QImage image = tessary::images::appIconImage(static_cast<int>(size));
        if (!image.save(QString::fromLocal8Bit(argv[i + 1]), "PNG")) {
            std::fprintf(stderr, "tessary_icon_renderer: cannot write %s\n", argv[i + 1]);
            return 1;
        }
    }
    return 0;
}
