#include <QApplication>

#include "application.hpp"
#include "kadenzo.hpp"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    kadenzo::configureApplication(app);
    kadenzo::Kadenzo window;
    window.show();
    return QApplication::exec();
}
