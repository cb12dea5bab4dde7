#include "kadenzo.hpp"

#include <QByteArray>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <variant>

#include "clock_time.hpp"
#include "frame.hpp"
#include "icon.hpp"
#include "messages.hpp"
#include "speed.hpp"

namespace kadenzo {
namespace {

constexpr int clientWidth = 9900;
constexpr int clientHeight = 8055;

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string_view view(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// "AfgelegdKM_0" for a member of a control array, "Frame1" for a single control.
QString objectNameOf(ControlId id) {
    const QString name = fromUtf8(id.name);
    return id.index == noIndex ? name : name + u'_' + QString::number(id.index);
}

QFont fontOf(FontSize size) {
    QFont font;
    // "MS Sans Serif" is rarely installed outside Windows; Liberation Sans has the same widths as
    // the usual Windows substitute, and any sans-serif face will do after that.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    switch (size) {
        case FontSize::Window:
            font.setPointSizeF(8.25);
            return font;
        case FontSize::Bold8_25:
            font.setPointSizeF(8.25);
            break;
        case FontSize::Bold9_75:
            font.setPointSizeF(9.75);
            break;
        case FontSize::Bold12:
            font.setPointSizeF(12);
            break;
        case FontSize::Bold13_5:
            font.setPointSizeF(13.5);
            break;
    }
    font.setWeight(QFont::Bold);
    return font;
}

template <typename... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};

}  // namespace

Kadenzo::Kadenzo(QWidget* parent) : QWidget(parent) {
    setObjectName(objectNameOf(mainWindow));
    setWindowTitle(QStringLiteral("Kadenzo"));
    setWindowIcon(QPixmap::fromImage(calculatorIcon()));
    setFont(fontOf(FontSize::Window));
    resize(clientWidth / twipsPerPixel, clientHeight / twipsPerPixel);

    for (std::size_t row = 0; row < controls.size(); ++row) {
        widgets_[row] = create(controls[row]);
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

QWidget* Kadenzo::create(const ControlSpec& spec) {
    QWidget* container = spec.container == mainWindow ? this : control(spec.container);
    const QString text = fromUtf8(spec.text);
    QWidget* widget = nullptr;
    switch (spec.kind) {
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
            if (spec.maxLength != noLimit) {
                box->setMaxLength(spec.maxLength);
            }
            if (spec.role == FieldRole::Result) {
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
    widget->setObjectName(objectNameOf(spec.id));
    widget->setFont(fontOf(spec.font));
    widget->setGeometry(spec.left / twipsPerPixel, spec.top / twipsPerPixel,
                        spec.width / twipsPerPixel, spec.height / twipsPerPixel);
    if (!spec.accessibleName.empty()) {
        widget->setAccessibleName(fromUtf8(spec.accessibleName));
    }
    if (spec.kind == ControlKind::Label) {
        widget->lower();  // frames and text boxes are drawn over the labels they overlap
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

void Kadenzo::setText(ControlId id, std::string_view text) {
    textBox(id)->setText(fromUtf8(text));
}

void Kadenzo::correct(ControlId id) {
    QLineEdit* box = textBox(id);
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}

void Kadenzo::reportFailure(const Failure& failure) {
    showFailure(this, failure);
    if (failure.field) {
        correct(*failure.field);
    }
}

void Kadenzo::BerSnelheid_Click() {
    const QByteArray km = textBox(field::AfgelegdKM0)->text().toUtf8();
    const QByteArray metres = textBox(field::AfgelegdMtr0)->text().toUtf8();
    const QByteArray hours = textBox(field::KlokTijdHr1)->text().toUtf8();
    const QByteArray minutes = textBox(field::KlokTijdMin2)->text().toUtf8();
    const QByteArray seconds = textBox(field::KlokTijdSec3)->text().toUtf8();
    const SpeedOutcome outcome =
        calculateSpeed({view(km), view(metres), view(hours), view(minutes), view(seconds)});
    std::visit(Overloaded{
                   [&](const SpeedResult& result) {
                       setText(control::BerSnelheidVK4, result.whole);
                       setText(control::BerSnelheidAK1, result.hundredths);
                   },
                   [&](const InputError& error) {
                       showInputError(this, error.prompt);
                       correct(error.field);
                   },
                   [&](const Failure& failure) { reportFailure(failure); },
               },
               outcome);
}

void Kadenzo::BerKlokTijd_Click() {
    const QByteArray km = textBox(field::AfgelegdKM1)->text().toUtf8();
    const QByteArray metres = textBox(field::AfgelegdMtr1)->text().toUtf8();
    const QByteArray wholeKmh = textBox(field::SnelheidVK0)->text().toUtf8();
    const QByteArray hundredths = textBox(field::SnelheidAK0)->text().toUtf8();
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
