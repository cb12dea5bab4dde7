#include "kadenzo.hpp"

#include <QApplication>
#include <QByteArray>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>
#include <algorithm>
#include <limits>
#include <variant>

#include "clock_time.hpp"
#include "frame.hpp"
#include "icon.hpp"
#include "messages.hpp"
#include "qstring_view.hpp"
#include "speed.hpp"

namespace kadenzo {
namespace {

constexpr int clientWidth = 9900;
constexpr int clientHeight = 8055;

std::string_view view(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// "AfgelegdKM_0" for a member of a control array, "Frame1" for a single control.
QString objectNameOf(ControlId id) {
    const QString name = toQString(id.name);
    return id.index == noIndex ? name : name + u'_' + QString::number(id.index);
}

double pointSize(FontSize size) {
    switch (size) {
        case FontSize::Window:
        case FontSize::Bold8_25:
            return 8.25;
        case FontSize::Bold9_75:
            return 9.75;
        case FontSize::Bold12:
            return 12;
        case FontSize::Bold13_5:
            return 13.5;
    }
    return 8.25;
}

// "MS Sans Serif" is rarely installed outside Windows; Liberation Sans, a plain sans-serif face
// with Arial's widths, stands in for it, and after that any sans-serif face. A face that is not
// installed is left out: the toolkit would look for its substitutes for every font made.
const QStringList& faces() {
    static const QStringList faces =
        QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif"))
            ? QStringList{QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")}
            : QStringList{QStringLiteral("Liberation Sans")};
    return faces;
}

QFont fontOf(FontSize size) {
    QFont font;
    font.setFamilies(faces());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize(size));
    font.setWeight(size == FontSize::Window ? QFont::Normal : QFont::Bold);
    return font;
}

// The toolkit cuts a text at a field's maximum length in UTF-16 units, which can keep the first
// half of a character beyond them (an emoji typed or pasted into the last place). Such a half is
// dropped, as a whole character that does not fit is refused.
class WholeCharacters : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& text, int& position) const override {
        for (qsizetype i = 0; i < text.size();) {
            if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
                i += 2;
            } else if (text[i].isSurrogate()) {
                text.remove(i, 1);
                if (position > i) {
                    --position;
                }
            } else {
                ++i;
            }
        }
        return Acceptable;
    }
};

template <typename... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
template <typename... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;  // clang 14 deduces no aggregates

}  // namespace

Kadenzo::Kadenzo(QWidget* parent) : QWidget(parent) {
    setObjectName(objectNameOf(mainWindow));
    setWindowTitle(QStringLiteral("Kadenzo"));
    setWindowIcon(QPixmap::fromImage(calculatorIcon()));
    setFont(fontOf(FontSize::Window));
    resize(clientWidth / twipsPerPixel, clientHeight / twipsPerPixel);

    // A new text box lays out its text in the application font before it takes its own; with the
    // window font as the application font meanwhile, no face is loaded that the window never shows.
    const QFont desktopFont = QApplication::font();
    QApplication::setFont(font());
    for (std::size_t row = 0; row < controls.size(); ++row) {
        widgets_[row] = create(controls[row]);
    }
    QApplication::setFont(desktopFont);
    // Frames and text boxes are drawn over the labels they overlap. Lowering from the last row
    // up keeps the labels in table order, which is also the order a screen reader reads them in.
    for (std::size_t row = controls.size(); row-- > 0;) {
        if (controls[row].kind == ControlKind::Label) {
            widgets_[row]->lower();
        }
    }

    // The focus follows the tab indices; frames, labels and result fields take none.
    std::array<std::size_t, controls.size()> byTabIndex{};
    for (std::size_t row = 0; row < byTabIndex.size(); ++row) {
        byTabIndex[row] = row;
    }
    std::ranges::sort(byTabIndex, {}, [](std::size_t row) { return controls[row].tabIndex; });
    QWidget* previous = nullptr;
    for (std::size_t row : byTabIndex) {
        if (widgets_[row]->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        if (previous) {
            setTabOrder(previous, widgets_[row]);
        }
        previous = widgets_[row];
    }
    textBox(field::AfgelegdKM0)->setFocus();

    connect(qobject_cast<QPushButton*>(control(control::BerSnelheid)), &QPushButton::clicked, this,
            &Kadenzo::BerSnelheid_Click);
    connect(qobject_cast<QPushButton*>(control(control::BerKlokTijd)), &QPushButton::clicked, this,
            &Kadenzo::BerKlokTijd_Click);
}

QWidget* Kadenzo::create(const ControlEntry& entry) {
    QWidget* container = entry.container == mainWindow ? this : control(entry.container);
    const QString text = toQString(entry.text);
    QWidget* widget = nullptr;
    switch (entry.kind) {
        case ControlKind::Frame:
            widget = new Frame(text, container);
            break;
        case ControlKind::Label: {
            auto* label = new QLabel(text, container);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setTextFormat(Qt::PlainText);
            widget = label;
            break;
        }
        case ControlKind::TextBox: {
            auto* box = new QLineEdit(text, container);
            // Left alone, the toolkit cuts every text box off at 32767 characters.
            box->setMaxLength(entry.maxLength == noLimit ? std::numeric_limits<int>::max()
                                                         : entry.maxLength);
            if (entry.maxLength != noLimit) {
                box->setValidator(new WholeCharacters(box));
            }
            if (entry.role == FieldRole::Result) {
                box->setReadOnly(true);
                box->setEnabled(false);
                box->setFocusPolicy(Qt::NoFocus);
            }
            widget = box;
            break;
        }
        case ControlKind::Button:
            widget = new QPushButton(text, container);
            break;
    }
    widget->setObjectName(objectNameOf(entry.id));
    widget->setFont(fontOf(entry.font));
    widget->setGeometry(entry.left / twipsPerPixel, entry.top / twipsPerPixel,
                        entry.width / twipsPerPixel, entry.height / twipsPerPixel);
    if (!entry.accessibleName.empty()) {
        widget->setAccessibleName(toQString(entry.accessibleName));
    }
    return widget;
}

QWidget* Kadenzo::control(ControlId id) const {
    const std::size_t row = rowOf(id);
    return row < widgets_.size() ? widgets_[row] : nullptr;
}

QLineEdit* Kadenzo::textBox(ControlId id) const {
    return qobject_cast<QLineEdit*>(control(id));
}

QByteArray Kadenzo::utf8Text(ControlId id) const {
    return textBox(id)->text().toUtf8();
}

void Kadenzo::setText(ControlId id, std::string_view text) {
    textBox(id)->setText(toQString(text));
}

void Kadenzo::returnFromMessage(std::optional<ControlId> fieldAtFault) {
    // Not every window system hands the activation back when a message box closes.
    activateWindow();
    if (fieldAtFault) {
        QLineEdit* box = textBox(*fieldAtFault);
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
    }
}

void Kadenzo::reportFailure(const Failure& failure) {
    showFailure(this, failure);
    returnFromMessage(failure.field);
}

void Kadenzo::BerSnelheid_Click() {
    const QByteArray km = utf8Text(field::AfgelegdKM0);
    const QByteArray metres = utf8Text(field::AfgelegdMtr0);
    const QByteArray hours = utf8Text(field::KlokTijdHr1);
    const QByteArray minutes = utf8Text(field::KlokTijdMin2);
    const QByteArray seconds = utf8Text(field::KlokTijdSec3);
    const SpeedOutcome outcome =
        calculateSpeed({view(km), view(metres), view(hours), view(minutes), view(seconds)});
    std::visit(Overloaded{
                   [&](const SpeedResult& result) {
                       setText(control::BerSnelheidVK4, result.whole);
                       setText(control::BerSnelheidAK1, result.hundredths);
                   },
                   [&](const InputError& error) {
                       showInputError(this, error.prompt);
                       returnFromMessage(error.field);
                   },
                   [&](const Failure& failure) { reportFailure(failure); },
               },
               outcome);
}

void Kadenzo::BerKlokTijd_Click() {
    const QByteArray km = utf8Text(field::AfgelegdKM1);
    const QByteArray metres = utf8Text(field::AfgelegdMtr1);
    const QByteArray wholeKmh = utf8Text(field::SnelheidVK0);
    const QByteArray hundredths = utf8Text(field::SnelheidAK0);
    const ClockTimeOutcome outcome =
        calculateClockTime({view(km), view(metres), view(wholeKmh), view(hundredths)});
    if (outcome.rewrittenHundredths) {
        setText(field::SnelheidAK0, *outcome.rewrittenHundredths);
    }
    std::visit(Overloaded{
                   [&](const ClockTimeResult& result) {
                       setText(control::BerKlokTijdHr0, result.hours);
                       setText(control::BerKlokTijdMin0, result.minutes);
                       setText(control::BerKlokTijdSec0, result.seconds);
                   },
                   [&](const Failure& failure) { reportFailure(failure); },
               },
               outcome.result);
}

}  // namespace kadenzo
