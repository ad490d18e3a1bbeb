// The commands of the program (menu texts, keys, prompts), the menu bar and the context menus.
#pragma once

class QMenu;
class QMenuBar;
class QWidget;

namespace tessary::fw {
class CCommandRouter;
}

namespace tessary::res {

// Creates the action of every command, with its text, keys and status-bar prompt.
void registerCommands(fw::CCommandRouter& router);

// Fills the menu bar: ファイル, 編集, 表示, ツール, ヘルプ.
void buildMenuBar(QMenuBar* bar, fw::CCommandRouter& router);

// The context menus: 0 "Deed" (the deed list), 1 "Condition" (the order-status list).
enum Popup : int { kPopupDeed = 0, kPopupCondition = 1 };
QMenu* buildPopup(int popup, fw::CCommandRouter& router, QWidget* parent);

} // namespace tessary::res
