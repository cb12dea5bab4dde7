#include "application.hpp"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace kadenzo {

void configureApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral(KADENZO_NAME));
    QApplication::setApplicationVersion(QStringLiteral(KADENZO_VERSION));
    QApplication::setOrganizationName(QStringLiteral(KADENZO_ORGANISATION));

    // Without the translations installed the toolkit speaks English; the program still runs.
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_nl"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    }
}

}  // namespace kadenzo
