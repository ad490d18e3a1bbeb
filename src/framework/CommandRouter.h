// One QAction per command id. Before a menu opens, every action in it asks the chain of command
// targets for its state; a triggered action (menu or shortcut) asks again and runs only when its
// command is enabled. A command that no target handles is disabled.
#pragma once

#include "framework/CmdUI.h"

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <vector>

class QAction;
class QKeySequence;
class QMenu;
class QWidget;

namespace tessary::fw {

class CCommandRouter : public QObject {
    Q_OBJECT
public:
    // `chain` lists the targets in routing order at the moment of asking.
    using Chain = std::function<std::vector<CCommandTarget*>()>;

    CCommandRouter(Chain chain, QWidget* window);

    // Creates the action of a command: its menu text (with "&" marks), the shortcut shown, the
    // further keys that run it, and its status-bar prompt. Shortcuts work anywhere in `window`.
    QAction* addCommand(int id, const QString& text, const QString& prompt,
                        const QList<QKeySequence>& shortcuts = {});
    QAction* action(int id) const;

    // Asks the chain for the state of a command; false when nobody handles it.
    bool queryState(CCmdUI& ui) const;
    bool isEnabled(int id) const;
    // Runs a command when it is enabled; returns whether it ran.
    bool execute(int id);

    // Refreshes the actions of a menu (and its submenus) from their handlers; called by the menu
    // itself before it opens.
    void refreshMenu(QMenu* menu) const;
    void refreshAction(QAction* action) const;
    // Makes `menu` refresh itself before it opens.
    void watchMenu(QMenu* menu);

signals:
    // After a command ran (the frame refreshes its status panes).
    void commandExecuted(int id);

private:
    Chain chain_;
    QWidget* window_;
    std::map<int, QAction*> actions_;
    std::map<int, QString> baseTexts_;
};

} // namespace tessary::fw
