#pragma once

#include <QString>
#include <string_view>

#include "failure.hpp"

class QWidget;

// What the user is told when a calculation refuses its input or fails, in Dutch.

namespace kadenzo {

inline constexpr std::string_view inputErrorTitle = "Gegevens invoer fout";
inline constexpr std::string_view failureTitle = "Kadenzo";

// The name of an input field as a message calls it: "kilometers", "honderdsten km/uur".
std::string_view fieldName(ControlId field);

// The sentence that tells the user what kept the calculation from a result.
QString failureText(const Failure& failure);

// Modal boxes with one OK button; each returns when the user has closed it.
void showInputError(QWidget* parent, std::string_view prompt);  // warning icon, prompt as is
void showFailure(QWidget* parent, const Failure& failure);      // critical icon

}  // namespace kadenzo
