#pragma once
// Real mouse input for the table editor windows' grids and choosers.
#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include "tables/gui/chooser_popup.h"

namespace ovis::test {

inline void SendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons buttons,
                      Qt::MouseButton button = Qt::LeftButton) {
    QMouseEvent event(type, at, target->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Press at one point, drag to another, release there.
inline void DragOn(QWidget* target, QPoint from, QPoint to) {
    SendMouse(target, QEvent::MouseButtonPress, from, Qt::LeftButton);
    SendMouse(target, QEvent::MouseMove, to, Qt::LeftButton, Qt::NoButton);
    SendMouse(target, QEvent::MouseButtonRelease, to, Qt::NoButton);
}

// Clicks the entry of an open chooser; the entry under the mouse becomes the current one.
inline void ChooseEntry(gui::ChooserPopup* chooser, const QString& entry) {
    QVERIFY(chooser->isVisible());
    const auto found = chooser->findItems(entry, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    const QPoint at = chooser->visualItemRect(found.front()).center();
    QTest::mouseMove(chooser->viewport(), at);
    QCOMPARE(chooser->currentItem(), found.front());
    QTest::mouseClick(chooser->viewport(), Qt::LeftButton, {}, at);
    QVERIFY(!chooser->isVisible());
}

}  // namespace ovis::test
