#pragma once

#include <QWidget>
#include <array>
#include <optional>

#include "controls.hpp"

class QLineEdit;

namespace kadenzo {

// The one window: both calculations with their fields, built from the control table.
class Kadenzo : public QWidget {
    Q_OBJECT

public:
    explicit Kadenzo(QWidget* parent = nullptr);

    // The control of that name and array index, as the table lists it; null for no such control.
    QWidget* control(ControlId id) const;
    QLineEdit* textBox(ControlId id) const;

private slots:
    void BerSnelheid_Click();
    void BerKlokTijd_Click();

private:
    QWidget* create(const ControlEntry& entry);
    QByteArray utf8Text(ControlId id) const;
    void setText(ControlId id, std::string_view text);
    // After a message: the window is active again, and the field to correct, where there is
    // one, has the focus with its text selected.
    void returnFromMessage(std::optional<ControlId> fieldAtFault);
    // A failure ends the calculation with a message; the program goes on.
    void reportFailure(const Failure& failure);

    std::array<QWidget*, controls.size()> widgets_{};
};

}  // namespace kadenzo
