#include "resources/Fonts.h"

#include <QApplication>
#include <QStringList>

namespace tessary::res {

namespace {
const QString kFamily = QStringLiteral("ＭＳ Ｐゴシック");
} // namespace

void installApplicationFont() {
    // Not every system's font configuration knows the name: point it at the Japanese Gothic
    // faces that are installed with the program.
    const QStringList substitutes{QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"),
                                  QStringLiteral("IPA Pゴシック"), QStringLiteral("IPAGothic"),
                                  QStringLiteral("Noto Sans CJK JP")};
    QFont::insertSubstitutions(kFamily, substitutes);
    QApplication::setFont(dialogFont());
}

QFont dialogFont() { return QFont(kFamily, 9); }

} // namespace tessary::res
