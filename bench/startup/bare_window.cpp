// The yardstick for Kadenzo's startup: the least a Qt Widgets program does to show a window of
// Kadenzo's size and title. With KADENZO_BARE_LABEL it also shows one label, to see what the
// first text costs (fonts) apart from the window itself.
#include <QApplication>
#include <QWidget>
#ifdef KADENZO_BARE_LABEL
#include <QLabel>
#endif

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Kadenzo"));
    window.resize(660, 537);  // Kadenzo's client area
#ifdef KADENZO_BARE_LABEL
    new QLabel(QStringLiteral("Kadenzo"), &window);
#endif
    window.show();
    return QApplication::exec();
}
