#pragma once
// Finds an item of a window's menu bar by its text, for window tests that trigger menu commands.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace ovis::test {

// The item `text` of any menu of the window's menu bar; nullptr when there is none.
inline QAction* MenuItemAction(QWidget* window, const QString& text) {
    for (QAction* menu : window->findChild<QMenuBar*>()->actions())
        if (menu->menu())
            for (QAction* item : menu->menu()->actions())
                if (item->text() == text) return item;
    return nullptr;
}

}  // namespace ovis::test
