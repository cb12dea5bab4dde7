#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTest>
#include <QTimer>
#include <memory>

#include "application.hpp"
#include "kadenzo.hpp"

namespace kadenzo::testing {

// What a modal dialog showed before the watch closed it.
struct ShownDialog {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool modal = false;
};

// Closes every modal dialog soon after it opens, the way a user presses OK, and records what it
// showed: a test takes the dialogs it expects and checks them, and any other one fails the test
// in `WindowTest::cleanup` instead of hanging it.
class DialogWatch : public QObject {
public:
    DialogWatch();
    QList<ShownDialog> take();

private:
    void closeModalDialog();

    QTimer timer_;
    QList<ShownDialog> shown_;
};

// A fresh, shown and active window for every test function.
class WindowTest : public QObject {
    Q_OBJECT

protected:
    Kadenzo& window() { return *window_; }
    QLineEdit* box(ControlId id) { return window_->textBox(id); }
    QWidget* control(ControlId id) { return window_->control(id); }
    // Clicks a button with the mouse; returns when its calculation has ended.
    void click(ControlId button);

    DialogWatch dialogs;

protected slots:
    void init();
    void cleanup();

private:
    std::unique_ptr<Kadenzo> window_;
};

}  // namespace kadenzo::testing

// Like QTEST_MAIN, with the application set up as the program sets it up.
#define KADENZO_WINDOW_TEST_MAIN(TestClass)     \
    int main(int argc, char* argv[]) {          \
        QApplication app(argc, argv);           \
        kadenzo::configureApplication(app);     \
        TestClass test;                         \
        return QTest::qExec(&test, argc, argv); \
    }
