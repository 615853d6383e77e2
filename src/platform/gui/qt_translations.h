#pragma once
// Qt's own texts in German: standard dialogs, buttons and context menus.
class QCoreApplication;

namespace ovis::gui {

// Loads "qtbase_de" from Qt's translations folder into the application. False when the
// translations are not installed (Qt's texts then stay English).
bool InstallGermanQtTranslations(QCoreApplication& application);

}  // namespace ovis::gui
