#pragma once

#include <QWidget>
#include <array>

#include "controls.hpp"

class QLineEdit;

namespace kadenzo {

// The one window: both calculations with their fields, built from the control table.
class Kadenzo : public QWidget {
    Q_OBJECT

public:
    explicit Kadenzo(QWidget* parent = nullptr);

    // The control of that name and array index, as the table lists it.
    QWidget* control(ControlId id) const;
    QLineEdit* textBox(ControlId id) const;

private slots:
    void BerSnelheid_Click();
    void BerKlokTijd_Click();

private:
    QWidget* create(const ControlSpec& spec);
    void setText(ControlId id, std::string_view text);
    // After a message: the field to correct gets the focus with its text selected.
    void correct(ControlId id);
    // A failure ends the calculation with a message; the program goes on.
    void reportFailure(const Failure& failure);

    std::array<QWidget*, controls.size()> widgets_{};
};

}  // namespace kadenzo
