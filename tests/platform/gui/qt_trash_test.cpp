// Files moved to the desktop's trash, here the trash of a data directory of the test's own.
#include <QtTest>
#include <fstream>

#include "platform/gui/qt_trash.h"
#include "support/temp_dir.h"

class QtTrashTest : public QObject {
    Q_OBJECT
private slots:
    void movesTheFileIntoTheTrashWhereItCanBeRestored() {
        ovis::test::TempDir home;
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(home.path().string()));
        const auto file = home / "Sub.pgm";
        std::ofstream(file) << "line";

        ovis::gui::QtTrash trash;
        QVERIFY(trash.MoveToTrash(file));
        QVERIFY(!std::filesystem::exists(file));
        QVERIFY(std::filesystem::exists(home.path() / "Trash" / "files" / "Sub.pgm"));
        QVERIFY(std::filesystem::exists(home.path() / "Trash" / "info" / "Sub.pgm.trashinfo"));
    }

    void aMissingFileIsNotMoved() {
        ovis::test::TempDir home;
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(home.path().string()));
        ovis::gui::QtTrash trash;
        QVERIFY(!trash.MoveToTrash(home / "Fehlt.pgm"));
    }
};

QTEST_GUILESS_MAIN(QtTrashTest)
#include "qt_trash_test.moc"
