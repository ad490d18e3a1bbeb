// The font the windows and dialogs ask for, "ＭＳ Ｐゴシック", and where it falls back to.
#pragma once

#include <QFont>

namespace tessary::res {

// Registers the substitutes of "ＭＳ Ｐゴシック" (the proportional IPA Gothic of
// fonts-ipafont-gothic first) and makes it the application's font. Call once after the
// QApplication exists.
void installApplicationFont();

// "ＭＳ Ｐゴシック" at the size of the dialogs.
QFont dialogFont();

} // namespace tessary::res
