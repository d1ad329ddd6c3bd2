#pragma once

#include <QLibraryInfo>
#include <QLocale>
#include <QString>

class QTranslator;

// Qt's own texts in the user's language: the standard buttons of the message boxes ("Да" and
// "Нет" under a Russian locale), the context menus of the text fields.
namespace QtTranslations {

// Loads Qt's translations ("qtbase_<language>.qm") for the locale's languages from the
// directory and installs them into the application, which owns them from then on. Null, and
// nothing installed, where the directory has none for the locale.
QTranslator *install(const QLocale &locale = QLocale(),
                     const QString &directory = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

} // namespace QtTranslations
