#include "framework/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace tessary::fw {

namespace {
// The smallest window the stored rectangle may give.
constexpr int kMinimumWidth = 160;
constexpr int kMinimumHeight = 120;
} // namespace

void placeWindow(QWidget& window, const PlacementText& place) {
    QRect rect(place.left, place.top, std::max(place.right - place.left, kMinimumWidth),
               std::max(place.bottom - place.top, kMinimumHeight));
    // A window off every screen would be lost to the user: bring it onto the primary one.
    bool visible = false;
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(rect.adjusted(0, 0, -rect.width() / 2, -10))) {
            visible = true;
        }
    }
    if (!visible && QGuiApplication::primaryScreen() != nullptr) {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        rect.setSize(rect.size().boundedTo(area.size()));
        rect.moveTopLeft(area.topLeft() + QPoint(10, 10));
    }
    window.setGeometry(rect);
    if (place.maximised) {
        window.showMaximized();
    } else {
        window.showNormal();
    }
}

PlacementText windowPlacement(const QWidget& window) {
    const QRect r =
        window.isMaximized() || window.isMinimized() ? window.normalGeometry() : window.geometry();
    return {window.isMaximized(), r.left(), r.top(), r.right() + 1, r.bottom() + 1};
}

} // namespace tessary::fw
