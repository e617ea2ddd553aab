#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>

namespace selvaris::ui::testing {

// Runs action on the modal window named formName (or on a message box when
// formName is "QMessageBox") as soon as it is the active modal widget, so a
// test can drive nested modal loops the way a user would.
inline void WhenModal(const QString& formName, std::function<void(QWidget*)> action, int triesLeft = 500) {
    QTimer::singleShot(5, [formName, action = std::move(action), triesLeft]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        const bool matches = modal && (formName == QLatin1String("QMessageBox") ? qobject_cast<QMessageBox*>(modal) != nullptr
                                                                               : modal->objectName() == formName);
        if (matches) {
            // As the desktop does when a dialog opens; the platform's own
            // activation may still be queued behind this timer.
            if (QApplication::activeWindow() != modal) QApplication::setActiveWindow(modal);
            action(modal);
        }
        else if (triesLeft > 0)
            WhenModal(formName, std::move(action), triesLeft - 1);
    });
}

// Replaces a line edit's text by typing, as a user would.
inline void Retype(QWidget* window, const char* name, const QString& text) {
    auto* edit = window->findChild<QLineEdit*>(QString::fromLatin1(name));
    if (!edit) return;
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

inline void ClickButton(QWidget* window, const char* name) {
    if (auto* button = window->findChild<QPushButton*>(QString::fromLatin1(name)))
        QTest::mouseClick(button, Qt::LeftButton);
}

// The message box's text, then presses its default button.
inline QString AcceptMessageBox(QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    const QString text = box->text();
    box->accept();
    return text;
}

}  // namespace selvaris::ui::testing
