// The window as it looks: sizes, places, stacking, fonts and texts. Registered twice, the second
// time at a scale factor of 2, where every figure in device-independent pixels must hold as well.

#include <QFontInfo>
#include <QLabel>
#include <QPushButton>

#include "frame.hpp"
#include "qstring_view.hpp"
#include "window_fixture.hpp"

using namespace kadenzo;

class LayoutTest : public testing::WindowTest {
    Q_OBJECT

private slots:
    void clientAreaIs660By537();
    void grabHasTheScaledSize();
    void initialTexts_data();
    void initialTexts();
    void placeSummedFromContainers_data();
    void placeSummedFromContainers();
    void topmostAtOverlaps_data();
    void topmostAtOverlaps();
    void fonts_data();
    void fonts();
    void captionsFit_data();
    void captionsFit();
};

void LayoutTest::clientAreaIs660By537() {
    QCOMPARE(window().size(), QSize(660, 537));
    QVERIFY(!window().isMaximized() && !window().isMinimized());
    // Resizable both ways: nothing holds the window at its first size.
    QCOMPARE(window().minimumSize(), QSize(0, 0));
    window().resize(300, 200);
    QCOMPARE(window().size(), QSize(300, 200));
}

void LayoutTest::grabHasTheScaledSize() {
    const qreal ratio = window().devicePixelRatioF();
    QCOMPARE(window().grab().size(), (QSizeF(660, 537) * ratio).toSize());
}

void LayoutTest::initialTexts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("AfgelegdKM(0)") << "AfgelegdKM_0"
                                   << "0";
    QTest::newRow("AfgelegdMtr(0)") << "AfgelegdMtr_0"
                                    << "000";
    QTest::newRow("KlokTijdHr(1)") << "KlokTijdHr_1"
                                   << "0";
    QTest::newRow("KlokTijdMin(2)") << "KlokTijdMin_2"
                                    << "00";
    QTest::newRow("KlokTijdSec(3)") << "KlokTijdSec_3"
                                    << "00";
    QTest::newRow("BerSnelheidVK(4)") << "BerSnelheidVK_4"
                                      << "0";
    QTest::newRow("BerSnelheidAK(1)") << "BerSnelheidAK_1"
                                      << "00";
    QTest::newRow("AfgelegdKM(1)") << "AfgelegdKM_1"
                                   << "0";
    QTest::newRow("AfgelegdMtr(1)") << "AfgelegdMtr_1"
                                    << "000";
    QTest::newRow("SnelheidVK(0)") << "SnelheidVK_0"
                                   << "0";
    QTest::newRow("SnelheidAK(0)") << "SnelheidAK_0"
                                   << "0";
    QTest::newRow("BerKlokTijdHr(0)") << "BerKlokTijdHr_0"
                                      << "0";
    QTest::newRow("BerKlokTijdMin(0)") << "BerKlokTijdMin_0"
                                       << "00";
    QTest::newRow("BerKlokTijdSec(0)") << "BerKlokTijdSec_0"
                                       << "00";
    QTest::newRow("Label1") << "Label1"
                            << "Bereken de snelheid/tijd bij een afgelegde afstand.";
    QTest::newRow("Label6") << "Label6"
                            << "verise 1.3.1";
    QTest::newRow("Label7") << "Label7"
                            << "Vuko";
    QTest::newRow("Label4(2)") << "Label4_2"
                               << ",";
    QTest::newRow("Label5(7)") << "Label5_7"
                               << "sec";
    QTest::newRow("Frame6(1)") << "Frame6_1"
                               << "Afgelegde afstand in KM ?";
    QTest::newRow("Frame12") << "Frame12"
                             << "De berekende kloktijd is:";
    QTest::newRow("Frame4") << "Frame4"
                            << "";
    QTest::newRow("BerKlokTijd") << "BerKlokTijd"
                                 << "Bereken";
}

void LayoutTest::initialTexts() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    auto* widget = window().findChild<QWidget*>(name);
    QVERIFY2(widget, qPrintable(name));
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        QCOMPARE(edit->text(), text);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        QCOMPARE(label->text(), text);
    } else if (auto* frame = qobject_cast<Frame*>(widget)) {
        QCOMPARE(frame->title(), text);
    } else {
        QCOMPARE(qobject_cast<QPushButton*>(widget)->text(), text);
    }
}

void LayoutTest::placeSummedFromContainers_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");  // in the window's client area, pixels at 96 dots per inch
    // Frame1 (120, 120)
    QTest::newRow("Frame1") << "Frame1" << QRect(8, 8, 641, 521);
    // Frame1 (120, 120) + (8280, 720)
    QTest::newRow("Label6") << "Label6" << QRect(560, 56, 73, 25);
    // Frame1 (120, 120) + Frame3 (360, 960) + Frame4 (360, 720) + Frame6(0) (360, 360)
    //   + (360, 240): (1560, 2400)
    QTest::newRow("AfgelegdKM(0)") << "AfgelegdKM_0" << QRect(104, 160, 33, 25);
    // Frame1 + Frame3 + Frame4 + Frame7 (360, 1200) + (1920, 240): (3120, 3240)
    QTest::newRow("KlokTijdSec(3)") << "KlokTijdSec_3" << QRect(208, 216, 33, 25);
    // Frame1 + Frame3 + Frame5 (4560, 720) + Frame8 (240, 360) + (960, 480): (6240, 2640)
    QTest::newRow("Label4(2)") << "Label4_2" << QRect(416, 176, 17, 17);
    // Frame1 + Frame3 + Frame5 + (1320, 1560): (6360, 3360)
    QTest::newRow("BerSnelheid") << "BerSnelheid" << QRect(424, 224, 89, 25);
    // Frame1 (120, 120) + Frame2 (360, 4080) + Frame9 (360, 720) + Frame11 (360, 1080)
    //   + (1320, 240): (2520, 6240)
    QTest::newRow("SnelheidAK(0)") << "SnelheidAK_0" << QRect(168, 416, 33, 25);
    // Frame1 + Frame2 + Frame10 (4560, 720) + Frame12 (240, 360) + (1920, 360): (7200, 5640)
    QTest::newRow("BerKlokTijdSec(0)") << "BerKlokTijdSec_0" << QRect(480, 376, 33, 25);
    // Frame1 + Frame2 + Frame10 + (1320, 1440): (6360, 6360)
    QTest::newRow("BerKlokTijd") << "BerKlokTijd" << QRect(424, 424, 89, 25);
}

void LayoutTest::placeSummedFromContainers() {
    QFETCH(QString, name);
    QFETCH(QRect, place);
    auto* widget = window().findChild<QWidget*>(name);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(QRect(widget->mapTo(&window(), QPoint(0, 0)), widget->size()), place);
}

void LayoutTest::topmostAtOverlaps_data() {
    QTest::addColumn<QPoint>("point");  // in the client area, inside both controls named
    QTest::addColumn<QString>("topmost");
    QTest::addColumn<QString>("beneath");
    // Label6 reaches into the top of Frame3 (which starts at y 72).
    QTest::newRow("Frame3 over Label6") << QPoint(565, 75) << "Frame3"
                                        << "Label6";
    // Label2 (y 96 to 128) reaches into Frame4 (from x 56, y 120).
    QTest::newRow("Frame4 over Label2") << QPoint(60, 124) << "Frame4"
                                        << "Label2";
    // Label3 (y 304 to 345) reaches into Frame9 (from x 56, y 328).
    QTest::newRow("Frame9 over Label3") << QPoint(60, 335) << "Frame9"
                                        << "Label3";
    // The "," label (x 416 to 432) runs under BerSnelheidAK(1) (from x 424).
    QTest::newRow("BerSnelheidAK(1) over Label4(2)") << QPoint(428, 180) << "BerSnelheidAK_1"
                                                     << "Label4_2";
    QTest::newRow("Label4(2) in the gap") << QPoint(418, 180) << "Label4_2"
                                          << "";
    // SnelheidAK(0) starts at x 168; Label4(5) spans x 160 to 176, y 424 to 440.
    QTest::newRow("SnelheidAK(0) over Label4(5)") << QPoint(170, 430) << "SnelheidAK_0"
                                                  << "Label4_5";
    // KlokTijdHr(1) ends at x 120, where "hr" starts.
    QTest::newRow("KlokTijdHr(1) over Label5(1)") << QPoint(120, 230) << "KlokTijdHr_1"
                                                  << "Label5_1";
}

void LayoutTest::topmostAtOverlaps() {
    QFETCH(QPoint, point);
    QFETCH(QString, topmost);
    QFETCH(QString, beneath);
    QWidget* found = window().childAt(point);
    QVERIFY(found);
    QCOMPARE(found->objectName(), topmost);
    if (!beneath.isEmpty()) {
        auto* under = window().findChild<QWidget*>(beneath);
        QVERIFY(under->rect().contains(under->mapFrom(&window(), point)));
    }
}

void LayoutTest::fonts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("bold");
    QTest::newRow("window") << "Kadenzo" << 8.25 << false;
    QTest::newRow("Label6, window font") << "Label6" << 8.25 << false;
    QTest::newRow("Frame3, window font") << "Frame3" << 8.25 << false;
    QTest::newRow("Frame7") << "Frame7" << 8.25 << true;
    QTest::newRow("Label7") << "Label7" << 9.75 << true;
    QTest::newRow("Frame8") << "Frame8" << 9.75 << true;
    QTest::newRow("BerSnelheid") << "BerSnelheid" << 9.75 << true;
    QTest::newRow("Label3") << "Label3" << 12.0 << true;
    QTest::newRow("SnelheidVK(0)") << "SnelheidVK_0" << 12.0 << true;
    QTest::newRow("BerKlokTijdMin(0)") << "BerKlokTijdMin_0" << 12.0 << true;
    QTest::newRow("Label1") << "Label1" << 13.5 << true;
}

void LayoutTest::fonts() {
    QFETCH(QString, name);
    QFETCH(qreal, points);
    QFETCH(bool, bold);
    QWidget* widget =
        name == window().objectName() ? &window() : window().findChild<QWidget*>(name);
    QVERIFY2(widget, qPrintable(name));
    const QFontInfo font(widget->font());
    QCOMPARE(widget->font().pointSizeF(), points);
    QCOMPARE(font.bold(), bold);
    // Where "MS Sans Serif" is missing, the face with its substitute's widths stands in.
    QVERIFY2(font.family() == "MS Sans Serif" || font.family() == "Liberation Sans",
             qPrintable(font.family()));
}

void LayoutTest::captionsFit_data() {
    QTest::addColumn<int>("row");  // of the control table; the window exists only in the test
    for (std::size_t row = 0; row < controls.size(); ++row) {
        const ControlEntry& entry = controls[row];
        if (!entry.text.empty() && entry.kind != ControlKind::TextBox) {
            const QString name = toQString(entry.id.name);
            QTest::newRow(qPrintable(entry.id.index == noIndex
                                         ? name
                                         : QStringLiteral("%1(%2)").arg(name).arg(entry.id.index)))
                << int(row);
        }
    }
}

// With the substitute face every caption fits its control, at scale 1 and 2 alike, so none is cut.
void LayoutTest::captionsFit() {
    QFETCH(int, row);
    QWidget* widget = window().control(controls[row].id);
    QString text;
    int room = widget->width();
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        text = label->text();
        QVERIFY(!label->wordWrap());
    } else if (auto* frame = qobject_cast<Frame*>(widget)) {
        text = frame->title();
        room -= 2 * 8;  // the caption starts 8 pixels in; keep as much before the right edge
    } else {
        text = qobject_cast<QPushButton*>(widget)->text();
    }
    const QFontMetrics metrics(widget->font(), widget);
    QVERIFY2(metrics.horizontalAdvance(text) <= room,
             qPrintable(QStringLiteral("%1 needs %2 of %3 pixels")
                            .arg(text)
                            .arg(metrics.horizontalAdvance(text))
                            .arg(room)));
    QVERIFY(metrics.height() <= widget->height());
}

KADENZO_WINDOW_TEST_MAIN(LayoutTest)
#include "layout_test.moc"
