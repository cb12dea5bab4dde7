// Renders the window as it is at start into a PNG file, without a display:
//     kadenzo_screenshot window.png
// QT_SCALE_FACTOR=2 renders it at twice the size.

#include <QApplication>
#include <QTextStream>

#include "application.hpp"
#include "kadenzo.hpp"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    kadenzo::configureApplication(app);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 2) {
        QTextStream(stderr) << "usage: kadenzo_screenshot FILE.png\n";
        return 2;
    }
    kadenzo::Kadenzo window;
    window.show();
    if (!window.grab().save(arguments[1], "PNG")) {
        QTextStream(stderr) << "cannot write " << arguments[1] << '\n';
        return 1;
    }
    return 0;
}
