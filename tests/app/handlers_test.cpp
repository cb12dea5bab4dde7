// The two "Bereken" buttons: what they write, the messages they show, and where the focus goes
// after a message.

#include "messages.hpp"
#include "window_fixture.hpp"

using namespace kadenzo;

Q_DECLARE_METATYPE(kadenzo::Failure)

namespace {

enum class Section { Speed, ClockTime };

const QList<ControlId> speedInputs{field::AfgelegdKM0, field::AfgelegdMtr0, field::KlokTijdHr1,
                                   field::KlokTijdMin2, field::KlokTijdSec3};
const QList<ControlId> speedResults{control::BerSnelheidVK4, control::BerSnelheidAK1};
const QList<ControlId> clockTimeInputs{field::AfgelegdKM1, field::AfgelegdMtr1, field::SnelheidVK0,
                                       field::SnelheidAK0};
const QList<ControlId> clockTimeResults{control::BerKlokTijdHr0, control::BerKlokTijdMin0,
                                        control::BerKlokTijdSec0};

// Texts that no calculation writes, so that a result field still holding one was not written.
const QStringList untouched{"r1", "r2", "r3"};

}  // namespace

class HandlersTest : public testing::WindowTest {
    Q_OBJECT

private slots:
    void speedWritesResults_data();
    void speedWritesResults();
    void clockTimeWritesResults_data();
    void clockTimeWritesResults();
    void secondClickGivesTheSameResults();
    void inputErrorPrompts_data();
    void inputErrorPrompts();
    void failureMessages_data();
    void failureMessages();
    void answersAfterAFailure();
    void failureTexts_data();
    void failureTexts();

private:
    void type(const QList<ControlId>& fields, const QStringList& texts);
    QStringList texts(const QList<ControlId>& fields);
    // The focus widget's name; empty while no window of the program is active.
    static QString focusName();
};

QString HandlersTest::focusName() {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

void HandlersTest::type(const QList<ControlId>& fields, const QStringList& texts) {
    for (qsizetype i = 0; i < fields.size(); ++i) {
        box(fields[i])->setText(texts[i]);
    }
}

QStringList HandlersTest::texts(const QList<ControlId>& fields) {
    QStringList result;
    for (ControlId id : fields) {
        result << box(id)->text();
    }
    return result;
}

void HandlersTest::speedWritesResults_data() {
    QTest::addColumn<QStringList>("inputs");  // km, metres, hours, minutes, seconds
    QTest::addColumn<QStringList>("results");
    QTest::newRow("12.00") << QStringList{"10", "0", "0", "50", "0"} << QStringList{"12", "0"};
    QTest::newRow("hundredths cut off")
        << QStringList{"10", "0", "0", "47", "0"} << QStringList{"12", "76"};
    QTest::newRow("12 km 700 m in an hour")
        << QStringList{"12", "700", "1", "0", "0"} << QStringList{"12", "69"};
    QTest::newRow("500 m in 30 s")
        << QStringList{"0", "500", "0", "0", "30"} << QStringList{"59", "99"};
    QTest::newRow("leading zero") << QStringList{"1", "0", "0", "55", "0"}
                                  << QStringList{"1", "09"};
    QTest::newRow("largest minutes")
        << QStringList{"10", "0", "0", "59", "59"} << QStringList{"10", "0"};
    QTest::newRow("negative minutes")
        << QStringList{"10", "0", "0", "-9", "0"} << QStringList{"-67", "33"};
}

void HandlersTest::speedWritesResults() {
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, results);
    type(speedInputs, inputs);
    click(control::BerSnelheid);
    QCOMPARE(texts(speedResults), results);
    QCOMPARE(texts(speedInputs), inputs);
}

void HandlersTest::clockTimeWritesResults_data() {
    QTest::addColumn<QStringList>("inputs");  // km, metres, whole km/h, hundredths
    QTest::addColumn<QString>("hundredthsAfter");
    QTest::addColumn<QStringList>("results");
    QTest::newRow("50 minutes") << QStringList{"10", "0", "12", "0"} << "0"
                                << QStringList{"0", "50", "0"};
    QTest::newRow("tenths rewritten")
        << QStringList{"10", "000", "11", "5"} << "50" << QStringList{"0", "52", "10"};
    QTest::newRow("005 rewritten")
        << QStringList{"10", "000", "11", "005"} << "50" << QStringList{"0", "52", "10"};
    QTest::newRow("05 kept") << QStringList{"10", "000", "11", "05"} << "05"
                             << QStringList{"0", "54", "17"};
    QTest::newRow("010 kept") << QStringList{"10", "000", "12", "010"} << "010"
                              << QStringList{"0", "49", "35"};
    QTest::newRow("marathon at 10.5")
        << QStringList{"42", "195", "10", "5"} << "50" << QStringList{"4", "1", "6"};
    QTest::newRow("largest distance")
        << QStringList{"99", "999", "1", "0"} << "0" << QStringList{"99", "59", "56"};
    QTest::newRow("negative speed")
        << QStringList{"10", "000", "-12", "0"} << "0" << QStringList{"-1", "10", "0"};
    QTest::newRow("0.01 km/h") << QStringList{"10", "000", "0", "01"} << "01"
                               << QStringList{"1000", "0", "0"};
}

void HandlersTest::clockTimeWritesResults() {
    QFETCH(QStringList, inputs);
    QFETCH(QString, hundredthsAfter);
    QFETCH(QStringList, results);
    type(clockTimeInputs, inputs);
    click(control::BerKlokTijd);
    QCOMPARE(texts(clockTimeResults), results);
    inputs[3] = hundredthsAfter;
    QCOMPARE(texts(clockTimeInputs), inputs);
}

void HandlersTest::secondClickGivesTheSameResults() {
    type(clockTimeInputs, {"10", "0", "12", "5"});
    type(speedInputs, {"21", "97", "1", "45", "0"});
    for (int click = 1; click <= 2; ++click) {
        this->click(control::BerKlokTijd);
        this->click(control::BerSnelheid);
        QCOMPARE(texts(clockTimeInputs), QStringList({"10", "0", "12", "50"}));
        QCOMPARE(texts(clockTimeResults), QStringList({"0", "48", "0"}));
        QCOMPARE(texts(speedResults), QStringList({"12", "05"}));
    }
}

void HandlersTest::inputErrorPrompts_data() {
    QTest::addColumn<QStringList>("inputs");  // km, metres, hours, minutes, seconds
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("fieldAtFault");
    const QString km = " Het aantal kilometers moet liggen tussen 0 en 99 ";
    const QString metres = " Het aantal meters moet liggen tussen 0 en 999 ";
    const QString empty = " De Kloktijd velden mogen niet leeg blijven ";
    const QString range = " Het aantal Minuten en Seconden moet liggen tussen 0 en 59 ";
    QTest::newRow("km empty") << QStringList{"", "x", "", "", ""} << km << "AfgelegdKM_0";
    QTest::newRow("metres empty, before conversion")
        << QStringList{"ab", "", "0", "50", "0"} << metres << "AfgelegdMtr_0";
    QTest::newRow("hours empty") << QStringList{"10", "0", "", "50", "0"} << empty
                                 << "KlokTijdHr_1";
    QTest::newRow("seconds empty")
        << QStringList{"10", "0", "1", "50", ""} << empty << "KlokTijdSec_3";
    QTest::newRow("minutes empty, before range")
        << QStringList{"10", "0", "0", "", "75"} << empty << "KlokTijdMin_2";
    QTest::newRow("minutes 60") << QStringList{"10", "0", "0", "60", "0"} << range
                                << "KlokTijdMin_2";
    QTest::newRow("seconds 60") << QStringList{"10", "0", "0", "0", "60"} << range
                                << "KlokTijdSec_3";
}

void HandlersTest::inputErrorPrompts() {
    QFETCH(QStringList, inputs);
    QFETCH(QString, prompt);
    QFETCH(QString, fieldAtFault);
    type(speedResults, untouched);
    type(speedInputs, inputs);
    click(control::BerSnelheid);

    const QList<testing::ShownDialog> shown = dialogs.take();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].title, "Gegevens invoer fout");
    QCOMPARE(shown[0].text, prompt);
    QCOMPARE(shown[0].icon, QMessageBox::Warning);
    QCOMPARE(shown[0].buttons, QMessageBox::Ok);
    QVERIFY(shown[0].modal);
    QCOMPARE(texts(speedInputs), inputs);
    QCOMPARE(texts(speedResults), untouched.first(2));
    QTRY_COMPARE(focusName(), fieldAtFault);
    auto* fault = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QCOMPARE(fault->selectedText(), fault->text());
}

void HandlersTest::failureMessages_data() {
    QTest::addColumn<Section>("section");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("fieldAtFault");  // empty: the focus stays on the button
    QTest::addColumn<QStringList>("inputsAfter");
    const QStringList initialSpeed{"0", "000", "0", "00", "00"};
    const QStringList initialClockTime{"0", "000", "0", "0"};
    QTest::newRow("speed, initial texts")
        << Section::Speed << initialSpeed
        << "De kloktijd is nul; daarmee is geen snelheid te berekenen."
        << "" << initialSpeed;
    QTest::newRow("speed, km a blank") << Section::Speed << QStringList{" ", "0", "0", "50", "0"}
                                       << "De invoer bij kilometers is geen geheel getal."
                                       << "AfgelegdKM_0" << QStringList{" ", "0", "0", "50", "0"};
    QTest::newRow("speed, minutes not a number")
        << Section::Speed << QStringList{"10", "0", "0", "x", "0"}
        << "De invoer bij minuten is geen geheel getal."
        << "KlokTijdMin_2" << QStringList{"10", "0", "0", "x", "0"};
    QTest::newRow("clock time, initial texts")
        << Section::ClockTime << initialClockTime
        << "De snelheid is nul; daarmee is geen kloktijd te berekenen."
        << "" << initialClockTime;
    QTest::newRow("clock time, km empty") << Section::ClockTime << QStringList{"", "0", "12", "0"}
                                          << "De invoer bij kilometers is geen geheel getal."
                                          << "AfgelegdKM_1" << QStringList{"", "0", "12", "0"};
    QTest::newRow("clock time, hundredths too large")
        << Section::ClockTime << QStringList{"10", "0", "12", "40000"}
        << "De invoer bij honderdsten km/uur is te groot om mee te rekenen."
        << "SnelheidAK_0" << QStringList{"10", "0", "12", "40000"};
    const QString manyDigits = "1" + QString(400, u'0');
    QTest::newRow("clock time, whole km/h too large")
        << Section::ClockTime << QStringList{"10", "0", manyDigits, "0"}
        << "De invoer bij snelheid in hele km/uur is te groot om mee te rekenen."
        << "SnelheidVK_0" << QStringList{"10", "0", manyDigits, "0"};
    QTest::newRow("clock time, rewrite stays before a failure")
        << Section::ClockTime << QStringList{"10", "0", "", "5"}
        << "De invoer bij snelheid in hele km/uur is geen geheel getal."
        << "SnelheidVK_0" << QStringList{"10", "0", "", "50"};
    QTest::newRow("clock time, zero with rewrite")
        << Section::ClockTime << QStringList{"10", "0", "-1", "100"}
        << "De snelheid is nul; daarmee is geen kloktijd te berekenen."
        << "" << QStringList{"10", "0", "-1", "100"};
}

void HandlersTest::failureMessages() {
    QFETCH(Section, section);
    QFETCH(QStringList, inputs);
    QFETCH(QString, message);
    QFETCH(QString, fieldAtFault);
    QFETCH(QStringList, inputsAfter);
    const bool speed = section == Section::Speed;
    const QList<ControlId>& inputFields = speed ? speedInputs : clockTimeInputs;
    const QList<ControlId>& resultFields = speed ? speedResults : clockTimeResults;
    const ControlId button = speed ? control::BerSnelheid : control::BerKlokTijd;
    type(resultFields, untouched);
    type(inputFields, inputs);
    control(button)->setFocus();
    click(button);

    const QList<testing::ShownDialog> shown = dialogs.take();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].title, "Kadenzo");
    QCOMPARE(shown[0].text, message);
    QCOMPARE(shown[0].icon, QMessageBox::Critical);
    QCOMPARE(shown[0].buttons, QMessageBox::Ok);
    QVERIFY(shown[0].modal);
    QCOMPARE(texts(inputFields), inputsAfter);
    QCOMPARE(texts(resultFields), untouched.first(resultFields.size()));
    if (fieldAtFault.isEmpty()) {
        QTRY_COMPARE(focusName(), control(button)->objectName());
    } else {
        QTRY_COMPARE(focusName(), fieldAtFault);
        auto* fault = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QCOMPARE(fault->selectedText(), fault->text());
    }
}

void HandlersTest::answersAfterAFailure() {
    click(control::BerSnelheid);
    click(control::BerKlokTijd);
    QCOMPARE(dialogs.take().size(), 2);
    type(speedInputs, {"7", "0", "0", "25", "0"});
    type(clockTimeInputs, {"1", "000", "16", "0"});
    click(control::BerSnelheid);
    click(control::BerKlokTijd);
    QCOMPARE(texts(speedResults), QStringList({"16", "79"}));
    QCOMPARE(texts(clockTimeResults), QStringList({"0", "3", "44"}));
}

void HandlersTest::failureTexts_data() {
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<QString>("text");
    using enum FailureKind;
    const auto conversion = [](ControlId id) {
        return Failure{ConversionFailure, Subject::Field, id};
    };
    QTest::newRow("AfgelegdKM(0)")
        << conversion(field::AfgelegdKM0) << "De invoer bij kilometers is geen geheel getal.";
    QTest::newRow("AfgelegdKM(1)")
        << conversion(field::AfgelegdKM1) << "De invoer bij kilometers is geen geheel getal.";
    QTest::newRow("AfgelegdMtr(0)")
        << conversion(field::AfgelegdMtr0) << "De invoer bij meters is geen geheel getal.";
    QTest::newRow("AfgelegdMtr(1)")
        << conversion(field::AfgelegdMtr1) << "De invoer bij meters is geen geheel getal.";
    QTest::newRow("KlokTijdHr(1)")
        << conversion(field::KlokTijdHr1) << "De invoer bij uren is geen geheel getal.";
    QTest::newRow("KlokTijdMin(2)")
        << conversion(field::KlokTijdMin2) << "De invoer bij minuten is geen geheel getal.";
    QTest::newRow("KlokTijdSec(3)")
        << conversion(field::KlokTijdSec3) << "De invoer bij seconden is geen geheel getal.";
    QTest::newRow("SnelheidVK(0)") << conversion(field::SnelheidVK0)
                                   << "De invoer bij snelheid in hele km/uur is geen geheel getal.";
    QTest::newRow("SnelheidAK(0)") << conversion(field::SnelheidAK0)
                                   << "De invoer bij honderdsten km/uur is geen geheel getal.";
    QTest::newRow("field overflow") << Failure{Overflow, Subject::Field, field::KlokTijdSec3}
                                    << "De invoer bij seconden is te groot om mee te rekenen.";
    QTest::newRow("clock time overflow")
        << Failure{Overflow, Subject::ClockTime, field::KlokTijdHr1}
        << "De kloktijd is te groot om mee te rekenen.";
    QTest::newRow("clock time zero")
        << Failure{DivisionByZero, Subject::ClockTime, {}}
        << "De kloktijd is nul; daarmee is geen snelheid te berekenen.";
    QTest::newRow("speed zero") << Failure{DivisionByZero, Subject::Speed, {}}
                                << "De snelheid is nul; daarmee is geen kloktijd te berekenen.";
    QTest::newRow("result overflow")
        << Failure{Overflow, Subject::Result, {}} << "De uitkomst is te groot om mee te rekenen.";
}

// Every text, also those of failures that input through the window cannot reach (the hours
// field holds two characters, so hours x 60 never overflows there).
void HandlersTest::failureTexts() {
    QFETCH(Failure, failure);
    QFETCH(QString, text);
    QCOMPARE(failureText(failure), text);
}

KADENZO_WINDOW_TEST_MAIN(HandlersTest)
#include "handlers_test.moc"
