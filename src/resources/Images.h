// The 16x16 image strip shared by the tree and the lists, and the program icon. All images are
// drawn by the program itself.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace tessary::images {

inline constexpr int kImageCount = 31;
inline constexpr int kImageSize = 16;

// Image `index` of the strip (0 to 30); any other index gives an empty (null) pixmap.
// Needs a QGuiApplication.
const QPixmap& image(int index);

// The check boxes of the export dialog's item list: three cells of kCheckBoxCell pixels square
// side by side (unchecked, checked, indeterminate). Needs a QGuiApplication.
inline constexpr int kCheckBoxCell = 11;
const QPixmap& checkBoxStrip();

// The program's icon in several sizes.
QIcon appIcon();

// The program's icon drawn on a transparent square of `size` pixels. Needs no application
// object, so a build step can render the installed icon files from it.
QImage appIconImage(int size);

} // namespace tessary::images
