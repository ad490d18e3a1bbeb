// Placing a top-level window from a stored place, and the place to store. A stored rectangle is
// the window's outer one, title bar and frame included.
#pragma once

#include "platform/PlacementText.h"

class QWidget;

namespace tessary::fw {

// Shows `window` with its outer rectangle at the stored normal rectangle, maximised or normal as
// stored (a maximised window returns to that rectangle). A rectangle smaller than 160 x 120 grows
// to it, and one off every screen moves onto the primary screen, so the window never opens out of
// the user's reach.
void placeWindow(QWidget& window, const PlacementText& place);

// The place of `window` as it is now: maximised or not, and the outer rectangle of its normal
// state.
PlacementText windowPlacement(const QWidget& window);

} // namespace tessary::fw
