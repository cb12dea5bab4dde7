// What the keyboard and mouse do in the window: the focus cycle, maximum lengths, keys that must
// press nothing, result fields that take no input, and the toolkit's own texts in Dutch.

#include <QClipboard>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>

#include "window_fixture.hpp"

using namespace kadenzo;

class InputTest : public testing::WindowTest {
    Q_OBJECT

private slots:
    void firstFocusInKilometres();
    void focusCycle_data();
    void focusCycle();
    void typingStopsAtMaximumLength_data();
    void typingStopsAtMaximumLength();
    void pastingStopsAtMaximumLength_data();
    void pastingStopsAtMaximumLength();
    void typedEmojiIsKeptWholeOrRefused_data();
    void typedEmojiIsKeptWholeOrRefused();
    void enterAndEscapePressNothing_data();
    void enterAndEscapePressNothing();
    void resultFieldsTakeNoInput_data();
    void resultFieldsTakeNoInput();
    void contextMenuIsDutch();

private:
    void maximumLengthRows();
};

void InputTest::firstFocusInKilometres() {
    QCOMPARE(QApplication::focusWidget(), control(field::AfgelegdKM0));
}

void InputTest::focusCycle_data() {
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QStringList>("stops");  // after each key press, from AfgelegdKM(0)
    const QStringList forward{"AfgelegdMtr_0", "KlokTijdHr_1", "KlokTijdMin_2", "KlokTijdSec_3",
                              "BerSnelheid",   "AfgelegdKM_1", "AfgelegdMtr_1", "SnelheidVK_0",
                              "SnelheidAK_0",  "BerKlokTijd",  "AfgelegdKM_0"};
    QStringList backward(forward.rbegin() + 1, forward.rend());
    backward << "AfgelegdKM_0";
    QTest::newRow("Tab") << Qt::KeyboardModifiers() << forward;
    QTest::newRow("Shift+Tab") << Qt::KeyboardModifiers(Qt::ShiftModifier) << backward;
}

void InputTest::focusCycle() {
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QStringList, stops);
    const Qt::Key key = modifiers ? Qt::Key_Backtab : Qt::Key_Tab;
    for (const QString& stop : stops) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        QCOMPARE(QApplication::focusWidget()->objectName(), stop);
    }
}

void InputTest::maximumLengthRows() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");
    QTest::newRow("AfgelegdKM(0)") << "AfgelegdKM_0"
                                   << "123"
                                   << "12";
    QTest::newRow("AfgelegdMtr(0)") << "AfgelegdMtr_0"
                                    << "1234"
                                    << "123";
    QTest::newRow("KlokTijdHr(1)") << "KlokTijdHr_1"
                                   << "-12"
                                   << "-1";
    QTest::newRow("KlokTijdMin(2)") << "KlokTijdMin_2"
                                    << "ab c"
                                    << "ab";
    QTest::newRow("KlokTijdSec(3)") << "KlokTijdSec_3"
                                    << " 59"
                                    << " 5";
    QTest::newRow("AfgelegdKM(1)") << "AfgelegdKM_1"
                                   << "999"
                                   << "99";
    QTest::newRow("AfgelegdMtr(1)") << "AfgelegdMtr_1"
                                    << "+1 x9"
                                    << "+1 ";
    const QString longText(200, u'7');
    QTest::newRow("SnelheidVK(0), no limit") << "SnelheidVK_0" << longText << longText;
    QTest::newRow("SnelheidAK(0), no limit") << "SnelheidAK_0" << longText << longText;
}

void InputTest::typingStopsAtMaximumLength_data() {
    maximumLengthRows();
}

void InputTest::typingStopsAtMaximumLength() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, kept);
    auto* edit = window().findChild<QLineEdit*>(name);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    QCOMPARE(edit->text(), kept);
    // A further key press while full changes nothing.
    QTest::keyClick(edit, Qt::Key_1);
    QCOMPARE(edit->text(), text == kept ? text + u'1' : kept);
}

void InputTest::pastingStopsAtMaximumLength_data() {
    maximumLengthRows();
    // Beyond the toolkit's own default limit of 32767 characters.
    const QString megabyte(1 << 20, u'7');
    QTest::newRow("SnelheidVK(0), a megabyte") << "SnelheidVK_0" << megabyte << megabyte;
    QTest::newRow("SnelheidAK(0), a megabyte") << "SnelheidAK_0" << megabyte << megabyte;
    // A character beyond the Basic Multilingual Plane takes two places; half of one is never kept.
    QTest::newRow("KlokTijdSec(3), an emoji past the limit") << "KlokTijdSec_3"
                                                             << "1😀"
                                                             << "1";
    QTest::newRow("AfgelegdMtr(1), two emoji") << "AfgelegdMtr_1"
                                               << "😀🏃"
                                               << "😀";
    QTest::newRow("AfgelegdKM(0), an emoji that fits") << "AfgelegdKM_0"
                                                       << "😀"
                                                       << "😀";
}

void InputTest::pastingStopsAtMaximumLength() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, kept);
    QClipboard* clipboard = QApplication::clipboard();
    const QString before = clipboard->text();
    const auto restore = qScopeGuard([&] { clipboard->setText(before); });
    clipboard->setText(text);
    auto* edit = window().findChild<QLineEdit*>(name);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), kept);
}

void InputTest::typedEmojiIsKeptWholeOrRefused_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("kept");
    QTest::newRow("AfgelegdKM(0), one place left") << "AfgelegdKM_0"
                                                   << "1"
                                                   << "1";
    QTest::newRow("AfgelegdMtr(0), two places left") << "AfgelegdMtr_0"
                                                     << "1"
                                                     << "1😀";
    QTest::newRow("SnelheidAK(0), no limit") << "SnelheidAK_0"
                                             << "12"
                                             << "12😀";
}

// An emoji is one character in two UTF-16 units, typed with one key press.
void InputTest::typedEmojiIsKeptWholeOrRefused() {
    QFETCH(QString, name);
    QFETCH(QString, before);
    QFETCH(QString, kept);
    auto* edit = window().findChild<QLineEdit*>(name);
    edit->setText(before);
    edit->setFocus();
    edit->end(false);
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QStringLiteral("😀"), Qt::NoModifier);
    QCOMPARE(edit->text(), kept);
}

void InputTest::enterAndEscapePressNothing_data() {
    QTest::addColumn<QString>("name");
    for (const char* name :
         {"AfgelegdKM_0", "AfgelegdMtr_0", "KlokTijdHr_1", "KlokTijdMin_2", "KlokTijdSec_3",
          "AfgelegdKM_1", "AfgelegdMtr_1", "SnelheidVK_0", "SnelheidAK_0"}) {
        QTest::newRow(name) << name;
    }
}

// With the initial texts either button would end in a failure message, which the dialog watch
// would report; so a quiet run shows that no button was pressed.
void InputTest::enterAndEscapePressNothing() {
    QFETCH(QString, name);
    auto* edit = window().findChild<QLineEdit*>(name);
    edit->setFocus();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        QTest::keyClick(edit, key);
    }
    QTest::qWait(50);  // longer than the dialog watch's period
    QVERIFY(dialogs.take().isEmpty());
    QCOMPARE(QApplication::focusWidget(), edit);
    for (ControlId id : {control::BerSnelheid, control::BerKlokTijd}) {
        auto* button = qobject_cast<QPushButton*>(control(id));
        QVERIFY(!button->isDefault() && !button->autoDefault());
    }
}

void InputTest::resultFieldsTakeNoInput_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"BerSnelheidVK_4", "BerSnelheidAK_1", "BerKlokTijdHr_0",
                             "BerKlokTijdMin_0", "BerKlokTijdSec_0"}) {
        QTest::newRow(name) << name;
    }
}

void InputTest::resultFieldsTakeNoInput() {
    QFETCH(QString, name);
    auto* edit = window().findChild<QLineEdit*>(name);
    const QString text = edit->text();
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::mouseDClick(edit, Qt::LeftButton);
    QTest::keyClicks(edit, "12");
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(QApplication::focusWidget(), control(field::AfgelegdKM0));
    QVERIFY(!edit->hasSelectedText());
    QCOMPARE(edit->text(), text);
    QVERIFY(!edit->isEnabled() && edit->isReadOnly());
}

void InputTest::contextMenuIsDutch() {
    std::unique_ptr<QMenu> menu(box(field::AfgelegdKM0)->createStandardContextMenu());
    QStringList texts;
    for (QAction* action : menu->actions()) {
        texts << action->text().remove(u'&').section(u'\t', 0, 0);
    }
    QVERIFY2(texts.contains("Plakken") && texts.contains("Knippen"), qPrintable(texts.join(", ")));
}

KADENZO_WINDOW_TEST_MAIN(InputTest)
#include "input_test.moc"
