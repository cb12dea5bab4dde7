#include "messages.hpp"

#include <QMessageBox>
#include <array>
#include <utility>

namespace kadenzo {
namespace {

constexpr std::array<std::pair<ControlId, std::string_view>, 9> fieldNames{{
    {field::AfgelegdKM0, "kilometers"},
    {field::AfgelegdKM1, "kilometers"},
    {field::AfgelegdMtr0, "meters"},
    {field::AfgelegdMtr1, "meters"},
    {field::KlokTijdHr1, "uren"},
    {field::KlokTijdMin2, "minuten"},
    {field::KlokTijdSec3, "seconden"},
    {field::SnelheidVK0, "snelheid in hele km/uur"},
    {field::SnelheidAK0, "honderdsten km/uur"},
}};

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void showMessage(QWidget* parent, QMessageBox::Icon icon, std::string_view title,
                 const QString& text) {
    QMessageBox box(icon, fromUtf8(title), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);  // a prompt is shown as it stands, blanks included
    box.exec();
}

}  // namespace

std::string_view fieldName(ControlId field) {
    for (const auto& [id, name] : fieldNames) {
        if (id == field) {
            return name;
        }
    }
    return field.name;  // no input field: the calculations never name one
}

QString failureText(const Failure& failure) {
    if (failure.subject == Subject::Field && failure.field) {
        const QString name = fromUtf8(fieldName(*failure.field));
        if (failure.kind == FailureKind::ConversionFailure) {
            return QStringLiteral("De invoer bij %1 is geen geheel getal.").arg(name);
        }
        return QStringLiteral("De invoer bij %1 is te groot om mee te rekenen.").arg(name);
    }
    if (failure.kind == FailureKind::DivisionByZero && failure.subject == Subject::ClockTime) {
        return QStringLiteral("De kloktijd is nul; daarmee is geen snelheid te berekenen.");
    }
    if (failure.kind == FailureKind::DivisionByZero && failure.subject == Subject::Speed) {
        return QStringLiteral("De snelheid is nul; daarmee is geen kloktijd te berekenen.");
    }
    if (failure.subject == Subject::ClockTime) {
        return QStringLiteral("De kloktijd is te groot om mee te rekenen.");
    }
    return QStringLiteral("De uitkomst is te groot om mee te rekenen.");
}

void showInputError(QWidget* parent, std::string_view prompt) {
    showMessage(parent, QMessageBox::Warning, inputErrorTitle, fromUtf8(prompt));
}

void showFailure(QWidget* parent, const Failure& failure) {
    showMessage(parent, QMessageBox::Critical, failureTitle, failureText(failure));
}

}  // namespace kadenzo
