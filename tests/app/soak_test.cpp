// A long run of random keys, pastes and clicks from a fixed seed, with the window's invariants
// checked after every event. A failure names the event's index and what it was; the same seed
// replays the same run (KADENZO_SOAK_SEED and KADENZO_SOAK_EVENTS choose another one).

#include <QClipboard>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

#include "clock_time.hpp"
#include "messages.hpp"
#include "qstring_view.hpp"
#include "speed.hpp"
#include "window_fixture.hpp"

using namespace kadenzo;

namespace {

constexpr quint32 defaultSeed = 0x4b61647a;
constexpr int defaultEvents = 30000;
// Each megabyte text makes the toolkit lay out and draw its field slowly for as long as it
// stays there; a few are enough to show that nothing is lost or stuck.
constexpr int megabytePastes = 4;
constexpr qsizetype megabyte = qsizetype{1} << 20;

struct InputField {
    ControlId id;
    int maxLength;  // 0: none
};

// Worked out by hand: two places for kilometres, hours, minutes and seconds, three for metres,
// and any number for the speed in whole km/h and hundredths.
const std::array<InputField, 9> inputFields{{
    {field::AfgelegdKM0, 2},
    {field::AfgelegdMtr0, 3},
    {field::KlokTijdHr1, 2},
    {field::KlokTijdMin2, 2},
    {field::KlokTijdSec3, 2},
    {field::AfgelegdKM1, 2},
    {field::AfgelegdMtr1, 3},
    {field::SnelheidVK0, 0},
    {field::SnelheidAK0, 0},
}};

const std::array<ControlId, 11> focusStops{
    field::AfgelegdKM0,  field::AfgelegdMtr0,  field::KlokTijdHr1,   field::KlokTijdMin2,
    field::KlokTijdSec3, control::BerSnelheid, field::AfgelegdKM1,   field::AfgelegdMtr1,
    field::SnelheidVK0,  field::SnelheidAK0,   control::BerKlokTijd,
};

const std::array<ControlId, 5> resultFields{control::BerSnelheidVK4, control::BerSnelheidAK1,
                                            control::BerKlokTijdHr0, control::BerKlokTijdMin0,
                                            control::BerKlokTijdSec0};

enum class EventKind {
    Type,
    Paste,
    MegabytePaste,
    Tab,
    ShiftTab,
    Enter,
    Escape,
    Backspace,
    Delete,
    CursorKey,
    ControlChord,
    Click,
};

const char* kindName(EventKind kind) {
    switch (kind) {
        case EventKind::Type:
            return "type";
        case EventKind::Paste:
            return "paste";
        case EventKind::MegabytePaste:
            return "megabyte paste";
        case EventKind::Tab:
            return "Tab";
        case EventKind::ShiftTab:
            return "Shift+Tab";
        case EventKind::Enter:
            return "Enter";
        case EventKind::Escape:
            return "Escape";
        case EventKind::Backspace:
            return "Backspace";
        case EventKind::Delete:
            return "Delete";
        case EventKind::CursorKey:
            return "cursor key";
        case EventKind::ControlChord:
            return "Ctrl chord";
        case EventKind::Click:
            return "click";
    }
    return "?";
}

struct Event {
    EventKind kind = EventKind::Type;
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers;
    QString text;         // typed or pasted
    std::size_t row = 0;  // the control clicked, or the field of a megabyte paste
    QPoint point;         // where, in the window
};

// A text short enough for a failure message, with the code of every character outside ASCII's
// printable range; control characters show as '?'.
QString shown(const QString& text) {
    QString start = text.left(24);
    for (QChar& c : start) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f) {
            c = u'?';  // a control character, listed by its code below
        }
    }
    QString result = QStringLiteral("\"%1%2\"").arg(start, text.size() > 24 ? "…" : "");
    QStringList codes;
    for (QChar c : text.left(24)) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e) {
            codes << QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QChar(u'0')).toUpper();
        }
    }
    if (!codes.isEmpty()) {
        result += QStringLiteral(" (%1)").arg(codes.join(u' '));
    }
    if (text.size() > 24) {
        result += QStringLiteral(", %1 characters").arg(text.size());
    }
    return result;
}

QString shown(const QStringList& texts) {
    QStringList each;
    for (const QString& text : texts) {
        each << shown(text);
    }
    return each.join(u", ");
}

// No surrogate without its other half: every character is there in full.
bool isWhole(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
        } else if (text[i].isSurrogate()) {
            return false;
        }
    }
    return true;
}

// What one of the calculations leaves behind when its button is pressed.
struct Expected {
    QList<ControlId> inputs;
    QList<ControlId> results;
    QStringList inputsAfter;
    QStringList resultsAfter;
    std::optional<testing::ShownDialog> message;  // title, icon and text
};

testing::ShownDialog failureMessage(const Failure& failure) {
    return {"Kadenzo", failureText(failure), QMessageBox::Critical, QMessageBox::Ok, true};
}

}  // namespace

class SoakTest : public testing::WindowTest {
    Q_OBJECT

private slots:
    void randomEventsKeepTheInvariants();

private:
    Event nextEvent(int index);
    Event typed();
    QString randomText(qsizetype longest);
    QString megabyteText(int which);
    Event clickOn(std::size_t row);
    void perform(const Event& event);
    std::optional<Expected> pressedBy(const Event& event);
    Expected expectation(ControlId button);
    QString broken(const Event& event, const std::optional<Expected>& expected,
                   const QStringList& resultsBefore);
    QString textOf(ControlId id) { return box(id)->text(); }
    QString nameOf(ControlId id) { return control(id)->objectName(); }
    QStringList textsOf(const QList<ControlId>& ids);
    QWidget* keyTarget();

    QRandomGenerator random_;
    int events_ = 0;
    // How the presses of the buttons ended, to show that the run reaches every kind of outcome.
    int results_ = 0;
    int prompts_ = 0;
    int failures_ = 0;
    // Points of the window where a click reaches each control, found by the window's own hit test.
    std::array<std::vector<QPoint>, controls.size()> clickPoints_;
    std::vector<int> megabyteSteps_;
};

QStringList SoakTest::textsOf(const QList<ControlId>& ids) {
    QStringList texts;
    for (ControlId id : ids) {
        texts << textOf(id);
    }
    return texts;
}

// Key events go where the window system sends them: the window's focus widget, also while the
// window is not active.
QWidget* SoakTest::keyTarget() {
    QWidget* focus = window().focusWidget();
    return focus ? focus : &window();
}

Event SoakTest::typed() {
    static const QStringList nonAscii{"é", "ß", "١", "٣", "€", "😀", "🏃", "\u00a0", "e\u0301"};
    static const QStringList controlCharacters{"\x01", "\x07", "\x08",           "\t", "\n", "\r",
                                               "\x1b", "\x7f", QString(QChar(0))};
    Event event;
    event.kind = EventKind::Type;
    const quint32 group = random_.bounded(100);
    if (group < 50) {
        const int digit = static_cast<int>(random_.bounded(10));
        event.key = static_cast<Qt::Key>(Qt::Key_0 + digit);
        event.text = QString(QChar(u'0' + digit));
    } else if (group < 60) {
        const int letter = static_cast<int>(random_.bounded(26));
        event.key = static_cast<Qt::Key>(Qt::Key_A + letter);
        event.text = QString(QChar((random_.bounded(2) ? u'a' : u'A') + letter));
    } else if (group < 70) {
        static const std::array<std::pair<Qt::Key, char16_t>, 5> signs{{{Qt::Key_Plus, u'+'},
                                                                        {Qt::Key_Minus, u'-'},
                                                                        {Qt::Key_Comma, u','},
                                                                        {Qt::Key_Period, u'.'},
                                                                        {Qt::Key_E, u'e'}}};
        const auto& [key, sign] = signs[random_.bounded(static_cast<quint32>(signs.size()))];
        event.key = key;
        event.text = QString(QChar(sign));
    } else if (group < 80) {
        event.key = Qt::Key_Space;
        event.text = QStringLiteral(" ");
    } else if (group < 90) {
        event.text = nonAscii[random_.bounded(static_cast<quint32>(nonAscii.size()))];
    } else {
        event.text =
            controlCharacters[random_.bounded(static_cast<quint32>(controlCharacters.size()))];
    }
    return event;
}

// Half the time something a calculation may take for a number, else characters of every kind.
QString SoakTest::randomText(qsizetype longest) {
    QString text;
    if (random_.bounded(2)) {
        text += QString(random_.bounded(3), u' ');
        if (random_.bounded(3) == 0) {
            text += random_.bounded(2) ? u'-' : u'+';
        }
        const quint32 digits = 1 + random_.bounded(4);
        for (quint32 i = 0; i < digits; ++i) {
            text += QChar(u'0' + random_.bounded(10));
        }
        text += QString(random_.bounded(3), u' ');
        return text;
    }
    const qsizetype length = random_.bounded(static_cast<quint32>(longest) + 1);
    while (text.size() < length) {
        text += typed().text;
    }
    return text;
}

// Leading zeros before a speed, blanks around a tenths digit, a megabyte of digits, and one of
// characters of every kind.
QString SoakTest::megabyteText(int which) {
    switch (which % 4) {
        case 0:
            return QString(megabyte - 2, u'0') + QStringLiteral("12");
        case 1:
            return QString(megabyte / 2, u' ') + u'5' + QString(megabyte / 2 - 1, u' ');
        case 2: {
            QString digits(megabyte, u'0');
            for (QChar& c : digits) {
                c = QChar(u'0' + random_.bounded(10));
            }
            return digits;
        }
        default: {
            QString text;
            text.reserve(megabyte + 8);
            while (text.size() < megabyte) {
                text += typed().text;
            }
            return text;
        }
    }
}

Event SoakTest::clickOn(std::size_t row) {
    Event event;
    event.kind = EventKind::Click;
    event.row = row;
    const std::vector<QPoint>& points = clickPoints_[row];
    event.point = points[random_.bounded(static_cast<quint32>(points.size()))];
    return event;
}

Event SoakTest::nextEvent(int index) {
    // A megabyte paste into one of the fields without a limit, then a click that reads it.
    for (std::size_t k = 0; k < megabyteSteps_.size(); ++k) {
        const ControlId target = k % 2 == 0 ? field::SnelheidVK0 : field::SnelheidAK0;
        if (index == megabyteSteps_[k]) {
            Event event = clickOn(rowOf(target));
            event.kind = EventKind::MegabytePaste;
            event.text = megabyteText(static_cast<int>(k));
            return event;
        }
        if (index == megabyteSteps_[k] + 1) {
            return clickOn(rowOf(control::BerKlokTijd));
        }
    }

    const quint32 roll = random_.bounded(100);
    if (roll < 40) {
        return typed();
    }
    Event event;
    if (roll < 46) {
        event.kind = EventKind::Paste;
        const QWidget* focus = window().focusWidget();
        const bool unlimited =
            focus && (focus == control(field::SnelheidVK0) || focus == control(field::SnelheidAK0));
        event.text = randomText(unlimited && random_.bounded(8) == 0 ? 4096 : 40);
    } else if (roll < 54) {
        event.kind = EventKind::Tab;
        event.key = Qt::Key_Tab;
    } else if (roll < 59) {
        event.kind = EventKind::ShiftTab;
        event.key = Qt::Key_Backtab;
        event.modifiers = Qt::ShiftModifier;
    } else if (roll < 61) {
        event.kind = EventKind::Enter;
        event.key = random_.bounded(2) ? Qt::Key_Return : Qt::Key_Enter;
    } else if (roll < 63) {
        event.kind = EventKind::Escape;
        event.key = Qt::Key_Escape;
    } else if (roll < 69) {
        event.kind = EventKind::Backspace;
        event.key = Qt::Key_Backspace;
    } else if (roll < 72) {
        event.kind = EventKind::Delete;
        event.key = Qt::Key_Delete;
    } else if (roll < 77) {
        static const std::array<Qt::Key, 4> keys{Qt::Key_Home, Qt::Key_End, Qt::Key_Left,
                                                 Qt::Key_Right};
        event.kind = EventKind::CursorKey;
        event.key = keys[random_.bounded(static_cast<quint32>(keys.size()))];
        event.modifiers = random_.bounded(4) == 0 ? Qt::ShiftModifier : Qt::NoModifier;
    } else if (roll < 82) {
        // Select all, copy, cut, undo, redo, and the word deletions.
        static const std::array<Qt::Key, 7> keys{Qt::Key_A,     Qt::Key_C, Qt::Key_X,
                                                 Qt::Key_Z,     Qt::Key_Y, Qt::Key_Backspace,
                                                 Qt::Key_Delete};
        event.kind = EventKind::ControlChord;
        event.key = keys[random_.bounded(static_cast<quint32>(keys.size()))];
        event.modifiers = Qt::ControlModifier;
    } else {
        // A quarter of the clicks on the two buttons, the rest on any of the 48 controls.
        const std::size_t row =
            random_.bounded(4) == 0
                ? rowOf(random_.bounded(2) ? control::BerSnelheid : control::BerKlokTijd)
                : random_.bounded(static_cast<quint32>(controls.size()));
        return clickOn(row);
    }
    return event;
}

void SoakTest::perform(const Event& event) {
    QWindow* window = this->window().windowHandle();
    switch (event.kind) {
        case EventKind::Type:
            QTest::sendKeyEvent(QTest::Click, window, event.key, event.text, event.modifiers);
            break;
        case EventKind::Paste:
        case EventKind::MegabytePaste:
            if (event.kind == EventKind::MegabytePaste) {
                QTest::mouseClick(window, Qt::LeftButton, {}, event.point);
                QTest::keyClick(window, Qt::Key_A, Qt::ControlModifier);
            }
            QApplication::clipboard()->setText(event.text);
            QTest::keyClick(window, Qt::Key_V, Qt::ControlModifier);
            break;
        case EventKind::Click:
            QTest::mouseClick(window, Qt::LeftButton, {}, event.point);
            break;
        default:
            QTest::keyClick(window, event.key, event.modifiers);
            break;
    }
}

// A click on a button presses it, and so does a blank typed while it has the focus; nothing else
// does.
std::optional<Expected> SoakTest::pressedBy(const Event& event) {
    for (ControlId button : {control::BerSnelheid, control::BerKlokTijd}) {
        const bool clicked = event.kind == EventKind::Click && event.row == rowOf(button);
        const bool spaced = event.kind == EventKind::Type && event.key == Qt::Key_Space &&
                            keyTarget() == control(button);
        if (clicked || spaced) {
            return expectation(button);
        }
    }
    return std::nullopt;
}

// The outcome from the calculations themselves, on the texts the fields hold before the press.
Expected SoakTest::expectation(ControlId button) {
    Expected expected;
    if (button == control::BerSnelheid) {
        expected.inputs = {field::AfgelegdKM0, field::AfgelegdMtr0, field::KlokTijdHr1,
                           field::KlokTijdMin2, field::KlokTijdSec3};
        expected.results = {control::BerSnelheidVK4, control::BerSnelheidAK1};
    } else {
        expected.inputs = {field::AfgelegdKM1, field::AfgelegdMtr1, field::SnelheidVK0,
                           field::SnelheidAK0};
        expected.results = {control::BerKlokTijdHr0, control::BerKlokTijdMin0,
                            control::BerKlokTijdSec0};
    }
    expected.inputsAfter = textsOf(expected.inputs);
    expected.resultsAfter = textsOf(expected.results);
    QList<QByteArray> utf8;
    for (const QString& text : expected.inputsAfter) {
        utf8 << text.toUtf8();
    }
    const auto view = [&](qsizetype i) {
        return std::string_view(utf8[i].constData(), static_cast<std::size_t>(utf8[i].size()));
    };

    if (button == control::BerSnelheid) {
        const SpeedOutcome outcome = calculateSpeed({view(0), view(1), view(2), view(3), view(4)});
        if (const auto* result = std::get_if<SpeedResult>(&outcome)) {
            expected.resultsAfter = {toQString(result->whole), toQString(result->hundredths)};
        } else if (const auto* error = std::get_if<InputError>(&outcome)) {
            expected.message =
                testing::ShownDialog{"Gegevens invoer fout", toQString(error->prompt),
                                     QMessageBox::Warning, QMessageBox::Ok, true};
        } else {
            expected.message = failureMessage(std::get<Failure>(outcome));
        }
        return expected;
    }
    const ClockTimeOutcome outcome = calculateClockTime({view(0), view(1), view(2), view(3)});
    if (outcome.rewrittenHundredths) {
        expected.inputsAfter[3] = toQString(*outcome.rewrittenHundredths);
    }
    if (const auto* result = std::get_if<ClockTimeResult>(&outcome.result)) {
        expected.resultsAfter = {toQString(result->hours), toQString(result->minutes),
                                 toQString(result->seconds)};
    } else {
        expected.message = failureMessage(std::get<Failure>(outcome.result));
    }
    return expected;
}

// The first invariant the window breaks after `event`, or an empty text.
QString SoakTest::broken(const Event& event, const std::optional<Expected>& expected,
                         const QStringList& resultsBefore) {
    for (const InputField& input : inputFields) {
        const QString text = textOf(input.id);
        if (input.maxLength != 0 && text.size() > input.maxLength) {
            return QStringLiteral("%1 holds %2, longer than %3")
                .arg(nameOf(input.id), shown(text), QString::number(input.maxLength));
        }
        if (!isWhole(text)) {
            return QStringLiteral("%1 holds half a character: %2")
                .arg(nameOf(input.id), shown(text));
        }
    }
    if (event.kind == EventKind::MegabytePaste && textOf(controls[event.row].id) != event.text) {
        return QStringLiteral("%1 holds %2 after the paste")
            .arg(nameOf(controls[event.row].id), shown(textOf(controls[event.row].id)));
    }

    // Results: those of the pressed button as its calculation gives them, every other one as
    // it was.
    const QList<testing::ShownDialog> dialogs = this->dialogs.take();
    QStringList resultsExpected = resultsBefore;
    if (expected) {
        const QStringList inputsNow = textsOf(expected->inputs);
        if (inputsNow != expected->inputsAfter) {
            return QStringLiteral("inputs %1 after the press, expected %2")
                .arg(shown(inputsNow), shown(expected->inputsAfter));
        }
        for (qsizetype i = 0; i < expected->results.size(); ++i) {
            const auto at = std::ranges::find(resultFields, expected->results[i]);
            resultsExpected[at - resultFields.begin()] = expected->resultsAfter[i];
        }
        if (expected->message) {
            ++(expected->message->icon == QMessageBox::Warning ? prompts_ : failures_);
            if (dialogs.size() != 1 || dialogs[0].title != expected->message->title ||
                dialogs[0].text != expected->message->text ||
                dialogs[0].icon != expected->message->icon ||
                dialogs[0].buttons != QMessageBox::Ok || !dialogs[0].modal) {
                return QStringLiteral("%1 message(s) instead of \"%2\": %3")
                    .arg(dialogs.size())
                    .arg(expected->message->text,
                         dialogs.isEmpty()
                             ? QString()
                             : dialogs[0].title + QStringLiteral(": ") + dialogs[0].text);
            }
        } else {
            ++results_;
            if (!dialogs.isEmpty()) {
                return QStringLiteral("message \"%1\" after a calculation with results")
                    .arg(dialogs[0].text);
            }
        }
    } else if (!dialogs.isEmpty()) {
        return QStringLiteral("message \"%1\" without a press of a button").arg(dialogs[0].text);
    }
    QStringList resultsNow;
    for (ControlId id : resultFields) {
        resultsNow << textOf(id);
    }
    if (resultsNow != resultsExpected) {
        return QStringLiteral("results %1, expected %2")
            .arg(shown(resultsNow), shown(resultsExpected));
    }

    // The focus: one of the stops, or nowhere.
    for (QWidget* focus : {QApplication::focusWidget(), window().focusWidget()}) {
        if (focus && std::ranges::none_of(focusStops,
                                          [&](ControlId stop) { return control(stop) == focus; })) {
            return QStringLiteral("the focus is on %1").arg(focus->objectName());
        }
    }

    // The program answers: no dialog is left open and a zero timer fires.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return QStringLiteral("dialog \"%1\" is still open").arg(modal->windowTitle());
    }
    const auto fired = std::make_shared<bool>(false);
    QTimer::singleShot(0, &window(), [fired] { *fired = true; });
    for (int round = 0; round < 3 && !*fired; ++round) {
        QCoreApplication::processEvents();
    }
    if (!*fired) {
        return QStringLiteral("a zero timer did not fire");
    }
    return {};
}

void SoakTest::randomEventsKeepTheInvariants() {
    const quint32 seed = qEnvironmentVariableIsSet("KADENZO_SOAK_SEED")
                             ? qEnvironmentVariable("KADENZO_SOAK_SEED").toUInt(nullptr, 0)
                             : defaultSeed;
    events_ = qEnvironmentVariableIsSet("KADENZO_SOAK_EVENTS")
                  ? qEnvironmentVariableIntValue("KADENZO_SOAK_EVENTS")
                  : defaultEvents;
    qInfo("seed 0x%08x, %d events, %d of them megabyte pastes", seed, events_, megabytePastes);
    random_.seed(seed);
    megabyteSteps_.clear();
    for (int k = 1; k <= megabytePastes; ++k) {
        megabyteSteps_.push_back(k * events_ / (megabytePastes + 1));
    }

    QClipboard* clipboard = QApplication::clipboard();
    const QString clipboardBefore = clipboard->text();
    const auto restore = qScopeGuard([&] { clipboard->setText(clipboardBefore); });

    for (std::size_t row = 0; row < controls.size(); ++row) {
        QWidget* widget = control(controls[row].id);
        const QRect area(widget->mapTo(&window(), QPoint(0, 0)), widget->size());
        clickPoints_[row].clear();
        for (int y = area.top(); y <= area.bottom(); y += 2) {
            for (int x = area.left(); x <= area.right(); x += 2) {
                if (window().childAt(x, y) == widget) {
                    clickPoints_[row].emplace_back(x, y);
                }
            }
        }
        QVERIFY2(!clickPoints_[row].empty(),
                 qPrintable(nameOf(controls[row].id) + QStringLiteral(" cannot be clicked")));
    }

    for (int index = 0; index < events_; ++index) {
        const Event event = nextEvent(index);
        QStringList resultsBefore;
        for (ControlId id : resultFields) {
            resultsBefore << textOf(id);
        }
        const std::optional<Expected> expected = pressedBy(event);
        const QString target =
            event.kind == EventKind::Click || event.kind == EventKind::MegabytePaste
                ? nameOf(controls[event.row].id)
                : keyTarget()->objectName();
        perform(event);
        const QString problem = broken(event, expected, resultsBefore);
        if (!problem.isEmpty()) {
            QString what =
                QStringLiteral("%1 on %2").arg(QLatin1String(kindName(event.kind)), target);
            if (!event.text.isEmpty()) {
                what += u' ' + shown(event.text);
            }
            if (event.key != Qt::Key_unknown && event.kind != EventKind::Type) {
                what += QStringLiteral(" (key 0x%1, modifiers 0x%2)")
                            .arg(event.key, 0, 16)
                            .arg(event.modifiers.toInt(), 0, 16);
            }
            QFAIL(qPrintable(QStringLiteral("seed 0x%1, step %2 of %3, %4: %5")
                                 .arg(seed, 8, 16, QChar(u'0'))
                                 .arg(index)
                                 .arg(events_)
                                 .arg(what, problem)));
        }
    }
    qInfo("presses of a button: %d with results, %d prompts, %d failure messages", results_,
          prompts_, failures_);
}

KADENZO_WINDOW_TEST_MAIN(SoakTest)
#include "soak_test.moc"
