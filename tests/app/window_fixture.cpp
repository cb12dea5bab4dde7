#include "window_fixture.hpp"

#include <QPushButton>

namespace kadenzo::testing {

DialogWatch::DialogWatch() {
    connect(&timer_, &QTimer::timeout, this, &DialogWatch::closeModalDialog);
    timer_.start(10);
}

QList<ShownDialog> DialogWatch::take() {
    return std::exchange(shown_, {});
}

void DialogWatch::closeModalDialog() {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog) {
        return;
    }
    ShownDialog seen{dialog->windowTitle(), {}, QMessageBox::NoIcon, {}, dialog->isModal()};
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        shown_.append(seen);
        if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
            ok->click();
            return;
        }
    } else {
        shown_.append(seen);
    }
    dialog->close();
}

void WindowTest::init() {
    window_ = std::make_unique<Kadenzo>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void WindowTest::cleanup() {
    window_.reset();
    const QList<ShownDialog> unexpected = dialogs.take();
    for (const ShownDialog& dialog : unexpected) {
        qWarning("Unexpected dialog \"%s\": %s", qPrintable(dialog.title), qPrintable(dialog.text));
    }
    QVERIFY2(unexpected.isEmpty(), "a dialog appeared that the test did not expect");
}

void WindowTest::click(ControlId button) {
    QWidget* widget = control(button);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

}  // namespace kadenzo::testing
