// Qt's own buttons and context menus in German once the translations are installed.
#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "platform/gui/qt_translations.h"

class QtTranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void standardButtonsAndContextMenusAreGerman() {
        QVERIFY(ovis::gui::InstallGermanQtTranslations(*QCoreApplication::instance()));

        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));

        QLineEdit field;
        std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
        QStringList texts;
        for (QAction* action : menu->actions())
            if (!action->isSeparator()) texts << action->text().section(QLatin1Char('\t'), 0, 0);
        QVERIFY2(!texts.isEmpty(), "no context menu");
        QVERIFY2(!texts.contains(QStringLiteral("&Undo")), qPrintable(texts.join(QLatin1Char('|'))));
        QVERIFY2(!texts.contains(QStringLiteral("Select All")), qPrintable(texts.join(QLatin1Char('|'))));
        QVERIFY2(texts.contains(QStringLiteral("&Rückgängig")), qPrintable(texts.join(QLatin1Char('|'))));
    }
};

QTEST_MAIN(QtTranslationsTest)
#include "qt_translations_test.moc"
