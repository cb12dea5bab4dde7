// The window as a whole and the application around it.

#include <QIcon>
#include <QMenuBar>

#include "icon.hpp"
#include "window_fixture.hpp"

using namespace kadenzo;

class WindowTestCase : public testing::WindowTest {
    Q_OBJECT

private slots:
    void captionAndNoMenuBar();
    void titleBarShowsTheCalculator();
    void applicationNamesAndVersion();
    void resultsOnlyChangeOnAClick();
};

void WindowTestCase::captionAndNoMenuBar() {
    QCOMPARE(window().windowTitle(), "Kadenzo");
    QVERIFY(window().isWindow());
    QVERIFY(window().findChildren<QMenuBar*>().isEmpty());
}

void WindowTestCase::titleBarShowsTheCalculator() {
    const QImage shown =
        window().windowIcon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(shown, calculatorIcon().convertToFormat(QImage::Format_ARGB32));
}

void WindowTestCase::applicationNamesAndVersion() {
    QCOMPARE(QApplication::applicationName(), "Kadenzo");
    QCOMPARE(QApplication::applicationVersion(), "1.3.0.1");
    QCOMPARE(QApplication::organizationName(), "Vuko");
}

// Typing into an input field and resizing the window leave the results of an earlier click.
void WindowTestCase::resultsOnlyChangeOnAClick() {
    box(field::AfgelegdKM0)->setText("10");
    box(field::KlokTijdMin2)->setText("50");
    click(control::BerSnelheid);
    QCOMPARE(box(control::BerSnelheidVK4)->text(), "12");
    box(field::AfgelegdKM0)->setFocus();
    QTest::keyClicks(box(field::AfgelegdKM0), "5");
    window().resize(700, 600);
    QCOMPARE(box(control::BerSnelheidVK4)->text(), "12");
    QCOMPARE(box(control::BerSnelheidAK1)->text(), "0");
}

KADENZO_WINDOW_TEST_MAIN(WindowTestCase)
#include "window_test.moc"
