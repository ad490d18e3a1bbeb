#include "framework/CommandRouter.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QWidget>

namespace tessary::fw {

namespace {
constexpr const char* kCommandIdProperty = "tessaryCommandId";
} // namespace

CCommandRouter::CCommandRouter(Chain chain, QWidget* window)
    : QObject(window), chain_(std::move(chain)), window_(window) {}

QAction* CCommandRouter::addCommand(int id, const QString& text, const QString& prompt,
                                    const QList<QKeySequence>& shortcuts) {
    auto* action = new QAction(text, window_);
    action->setProperty(kCommandIdProperty, id);
    action->setStatusTip(prompt);
    action->setShortcuts(shortcuts);
    action->setShortcutContext(Qt::WindowShortcut);
    // The context menus list the commands without their keys.
    action->setShortcutVisibleInContextMenu(false);
    window_->addAction(action);
    connect(action, &QAction::triggered, this, [this, id] { execute(id); });
    actions_[id] = action;
    baseTexts_[id] = text;
    return action;
}

QAction* CCommandRouter::action(int id) const {
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

bool CCommandRouter::queryState(CCmdUI& ui) const {
    for (CCommandTarget* target : chain_()) {
        if (target != nullptr && target->onUpdateCommand(ui)) {
            return true;
        }
    }
    return false;
}

bool CCommandRouter::isEnabled(int id) const {
    CCmdUI ui(id);
    return queryState(ui) && ui.enabled();
}

bool CCommandRouter::execute(int id) {
    if (!isEnabled(id)) {
        return false;
    }
    for (CCommandTarget* target : chain_()) {
        if (target != nullptr && target->onCommand(id)) {
            emit commandExecuted(id);
            return true;
        }
    }
    return false;
}

void CCommandRouter::refreshAction(QAction* action) const {
    const QVariant idValue = action->property(kCommandIdProperty);
    if (!idValue.isValid()) {
        return;
    }
    const int id = idValue.toInt();
    CCmdUI ui(id);
    const bool handled = queryState(ui);
    action->setEnabled(handled && ui.enabled());
    action->setCheckable(ui.checked() || action->isCheckable());
    action->setChecked(ui.checked());
    if (ui.radio() && action->actionGroup() == nullptr) {
        // A group of its own draws the radio mark (a bullet) instead of a check mark.
        auto* group = new QActionGroup(action);
        group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
        group->addAction(action);
    }
    const auto base = baseTexts_.find(id);
    if (ui.text()) {
        // A handler's text is the whole item text: without a tab of its own, no key is shown
        // beside it (a tab makes the menu show what follows it instead of the shortcut).
        QString text = *ui.text();
        if (!text.contains(QLatin1Char('\t'))) {
            text += QLatin1Char('\t');
        }
        action->setText(text);
    } else if (base != baseTexts_.end()) {
        action->setText(base->second);
    }
}

void CCommandRouter::refreshMenu(QMenu* menu) const {
    for (QAction* action : menu->actions()) {
        if (action->menu() != nullptr) {
            refreshMenu(action->menu());
        } else {
            refreshAction(action);
        }
    }
}

void CCommandRouter::watchMenu(QMenu* menu) {
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { refreshMenu(menu); });
    // Once the menu is closed every action is enabled again, so that its shortcut reaches
    // execute(), which asks the handlers afresh.
    connect(menu, &QMenu::aboutToHide, this, [menu] {
        for (QAction* action : menu->actions()) {
            if (action->menu() == nullptr && action->property(kCommandIdProperty).isValid()) {
                action->setEnabled(true);
            }
        }
    });
}

} // namespace tessary::fw
