// The message selection dialog in group mode (offscreen).
#include <QListWidget>
#include <QtTest>

#include "evaluation/gui/Zel_Auswahl.h"
#include "support/scripted_dialogs.h"

using namespace ovis;

class AuswahlTest : public QObject {
    Q_OBJECT

    static IoTable Inputs(int count) {
        IoTable io;
        ResetIoRows(io);
        io.SetCount(std::size_t(count));
        return io;
    }

private slots:
    void ticksTheMembersAndHandsBackRowNumbers() {
        IoTable io = Inputs(4);
        io.Row(1).Typ = "Relais";
        TGruppeRecord group{};
        group.Anzahl = 1;
        group.Mitglied[0] = 3;
        test::ScriptedDialogs dialogs;
        auto* form = new gui::TFormAuswahl(SelectionDialogModel::ForGroup(io, group), dialogs);
        std::vector<std::uint16_t> received;
        form->onMembers = [&](const std::vector<std::uint16_t>& m) { received = m; };
        form->show();
        QCOMPARE(form->size(), QSize(195, 300));
        QCOMPARE(form->List()->count(), 3);
        QCOMPARE(form->List()->item(1)->text(), QStringLiteral("Meldung 3"));
        QCOMPARE(form->List()->item(1)->checkState(), Qt::Checked);
        QCOMPARE(form->List()->currentRow(), 1);
        form->List()->setCurrentRow(2);
        QTest::keyClick(form, Qt::Key_Return);
        QPointer<gui::TFormAuswahl> alive(form);
        form->UebernehmenClick();
        QCOMPARE(received, (std::vector<std::uint16_t>{3, 4}));
        QTRY_VERIFY(alive.isNull());
    }

    void allOrNoneAndEscape() {
        IoTable io = Inputs(3);
        test::ScriptedDialogs dialogs;
        auto* form = new gui::TFormAuswahl(SelectionDialogModel::ForGroup(io, TGruppeRecord{}), dialogs);
        bool accepted = false;
        form->onMembers = [&](const std::vector<std::uint16_t>&) { accepted = true; };
        form->show();
        form->AlleKeineClick();
        for (int i = 0; i < 3; ++i) QCOMPARE(form->List()->item(i)->checkState(), Qt::Checked);
        form->AlleKeineClick();
        QCOMPARE(form->List()->item(0)->checkState(), Qt::Unchecked);
        QPointer<gui::TFormAuswahl> alive(form);
        QTest::keyClick(form, Qt::Key_Escape);
        QTRY_VERIFY(alive.isNull());
        QVERIFY(!accepted);
    }
};

QTEST_MAIN(AuswahlTest)
#include "auswahl_test.moc"
