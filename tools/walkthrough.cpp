// Draws the README's walkthrough: the program itself, on the offscreen
// platform, through one decomposition of the QFT preset, saving a picture of
// each stage. Run by `make screenshots`; the pictures are never edited by hand.
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <memory>

#include "core/shared_registers.h"
#include "ui/model_dialog.h"
#include "ui/qt_platform.h"
#include "ui/qt_translation.h"
#include "ui/window_binding.h"
#include "ui/window_scale.h"
#include "workbench/form1.h"

namespace {

QString outputFolder;
int failures = 0;

void Save(QWidget* widget, const char* file) {
    // Whether a box already has the keyboard focus when a window has just
    // opened depends on timing: no picture shows a focus.
    QApplication::processEvents();
    if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
    const QString path = QDir(outputFolder).filePath(QString::fromLatin1(file));
    if (!widget->grab().save(path)) {
        std::fprintf(stderr, "walkthrough: could not write %s\n", qPrintable(path));
        ++failures;
    }
}

void Press(QWidget* window, const char* button) {
    if (auto* b = window->findChild<QPushButton*>(QString::fromLatin1(button))) b->click();
}

// A real click on a cell label, as the mouse gives it.
void ClickLabel(QWidget* window, const char* label) {
    auto* target = window->findChild<QLabel*>(QString::fromLatin1(label));
    if (!target) return;
    const QPointF centre(target->width() / 2.0, target->height() / 2.0);
    const QPointF global = target->mapToGlobal(centre);
    QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

// Runs action on the modal window named formName once it is up.
void WhenModal(const char* formName, std::function<void(QWidget*)> action, int triesLeft = 1000) {
    QTimer::singleShot(5, [formName, action = std::move(action), triesLeft]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == QLatin1String(formName))
            action(modal);
        else if (triesLeft > 0)
            WhenModal(formName, std::move(action), triesLeft - 1);
        else
            ++failures;
    });
}

void Walk(QWidget* main) {
    WhenModal("Form7", [](QWidget* entry) {
        Press(entry, "Command6");  // QFTセット
        Save(entry, "walkthrough-1-entry.png");
        Press(entry, "Command9");  // 決定して閉じる
    });
    Press(main, "Command31");
    Save(main, "walkthrough-2-target.png");

    ClickLabel(main, "la30");
    Save(main, "walkthrough-3-pick.png");
    Press(main, "Command10");
    Save(main, "walkthrough-4-first-step.png");

    for (const char* cell : {"la20", "la10", "la21", "la31", "la32"}) {
        ClickLabel(main, cell);
        Press(main, "Command10");
    }
    Press(main, "Command2");  // the pager of earlier gates
    Save(main, "walkthrough-5-six-steps.png");

    WhenModal("Form7", [](QWidget* entry) {
        Save(entry, "walkthrough-6-final-gate.png");
        Press(entry, "Command7");  // 実行
    });
    Press(main, "Command1");
    Save(main, "walkthrough-7-factors.png");

    Press(main, "Command39");
    Press(main, "Command39");
    Save(main, "walkthrough-8-browse.png");

    WhenModal("CircuitWindow", [](QWidget* circuit) {
        Save(circuit, "walkthrough-9-circuit.png");
        if (auto* dialog = qobject_cast<QDialog*>(circuit)) dialog->reject();
    });
    Press(main, "CircuitButton");  // 回路全体
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: selvaris_walkthrough OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    QApplication app(argc, argv);
    outputFolder = QString::fromLocal8Bit(argv[1]);
    // The pictures show the largest scale, whatever screen draws them.
    selvaris::ui::SetUiScale(selvaris::ui::kSupportedUiScales[0]);
    selvaris::ui::InstallApplicationFonts();
    // A blinking text cursor would make each run's pictures differ.
    QApplication::setCursorFlashTime(0);

    selvaris::ui::QtPlatform platform;
    selvaris::SharedRegisters registers;
    selvaris::Form1 workbench(registers, platform);
    workbench.Load();
    auto window = std::make_unique<selvaris::ui::ModelMainWidget>(workbench);
    window->show();
    QTimer::singleShot(0, [&] {
        Walk(window.get());
        // The same decomposition once more, as an English desktop shows it.
        window.reset();
        if (!selvaris::ui::InstallEnglishTranslation(app)) ++failures;
        selvaris::ui::ModelMainWidget english(workbench);
        english.show();
        Save(&english, "walkthrough-english.png");
        app.quit();
    });
    app.exec();
    return failures == 0 && workbench.State().StepCount == 8 ? 0 : 1;
}
