#include "application.hpp"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace kadenzo {

void configureApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Kadenzo"));
    QApplication::setApplicationVersion(QStringLiteral(KADENZO_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Vuko"));

    // Without the translations installed the toolkit speaks English; the program still runs.
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_nl"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    }
}

}  // namespace kadenzo
