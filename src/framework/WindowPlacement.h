// Placing a top-level window from a stored place, and the place to store.
#pragma once

#include "platform/PlacementText.h"

class QWidget;

namespace tessary::fw {

// Moves `window` to the stored normal rectangle (kept on a screen: a rectangle off every screen
// is moved onto the primary one) and shows it maximised or normal as stored.
void placeWindow(QWidget& window, const PlacementText& place);

// The place of `window` as it is now: maximised or not, and its normal rectangle.
PlacementText windowPlacement(const QWidget& window);

} // namespace tessary::fw
