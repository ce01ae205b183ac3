#include "qt/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace qev {

void InstallQtTranslations() {
    // The window's own texts are Chinese whatever the desktop's language, so Qt's are too: an
    // English desktop would otherwise give English menus among them.
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QLocale user = QLocale::system();
    auto* translator = new QTranslator(QCoreApplication::instance());
    if ((user.language() == QLocale::Chinese && translator->load(user, "qtbase", "_", folder)) ||
        translator->load(QLocale(QLocale::Chinese, QLocale::China), "qtbase", "_", folder)) {
        QCoreApplication::installTranslator(translator);
    }
}

} // namespace qev
