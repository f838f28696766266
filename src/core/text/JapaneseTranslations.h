#pragma once
// Qt's own dialogs (printer and page set-up, file chooser, message-box buttons,
// the calendar, the text boxes' context menus) follow the desktop's language by
// default. The program is Japanese whatever the desktop says, so they must be too.

#include <QByteArray>
#include <QList>

class QCoreApplication;

// Qt's file chooser formats sizes and dates with the desktop's own locale,
// not the default one ("231 bytes", "10 Dec"). Asking for Japanese messages
// and dates before the application object exists makes that locale Japanese
// too; numbers keep the desktop's settings. Only a locale this machine has is
// asked for; without one the environment is left as it is. Returns the name
// chosen, or an empty one.
QByteArray PreferJapaneseSystemLocale(const QList<QByteArray> &candidates = {"ja_JP.UTF-8", "ja_JP.utf8"});

// Loads Qt's Japanese catalogue into app and makes Japanese the default locale
// (month and day names of the calendar come from the locale, not the catalogue).
// False when the catalogue is not installed; Qt then keeps its English texts.
bool InstallJapaneseTranslations(QCoreApplication *app);
