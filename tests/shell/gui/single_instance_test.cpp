// One program per user: a second start reaches the first and asks it to raise its window.
#include <QUuid>
#include <QtTest>

#include "shell/gui/single_instance.h"

using ovis::gui::SingleInstance;

class SingleInstanceTest : public QObject {
    Q_OBJECT

private:
    // A key of its own per test, so that a running program is never disturbed.
    static QString FreshKey() { return QStringLiteral("Ovis test ") + QUuid::createUuid().toString(QUuid::Id128); }

private slots:
    void theFirstStartFindsNobody() {
        SingleInstance first(FreshKey());
        QVERIFY(!first.AskRunningInstanceToRaise());
    }

    void aSecondStartRaisesTheFirst() {
        const QString key = FreshKey();
        SingleInstance first(key);
        int raised = 0;
        QVERIFY(first.Listen([&] { ++raised; }));

        SingleInstance second(key);
        QVERIFY(second.AskRunningInstanceToRaise());
        QTRY_COMPARE(raised, 1);
        SingleInstance third(key);
        QVERIFY(third.AskRunningInstanceToRaise());
        QTRY_COMPARE(raised, 2);
    }

    void theKeyBelongsToTheUser() {
        SingleInstance a(QStringLiteral("Ovis 1.5"));
        QVERIFY(a.ServerName().startsWith(QStringLiteral("Ovis 1.5-")));
        QVERIFY(a.ServerName().size() > QStringLiteral("Ovis 1.5-").size());
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
