// The workbench's first frame with nothing of the program but its captions:
// every label and button the workbench shows at start, as a plain QLabel or
// QPushButton with its caption, colour and place, in the program's font. It
// tells how much of the start-up is the captions themselves, which any
// window showing them pays, against the minimal program's one Latin word.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

#include "core/silent_platform.h"
#include "ui/startup_probe.h"
#include "ui/twips.h"
#include "ui/window_binding.h"
#include "ui/window_scale.h"
#include "workbench/form1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    selvaris::ui::ApplyUiScaleForPrimaryScreen();
    selvaris::ui::InstallApplicationFonts();
    selvaris::SharedRegisters registers;
    selvaris::SilentPlatform platform;
    selvaris::Form1 model(registers, platform);
    model.Load();

    using selvaris::ui::TwipsToPixels;
    QWidget window;
    window.setWindowTitle(QString::fromStdString(model.Caption()));
    window.resize(TwipsToPixels(model.ClientWidth()), TwipsToPixels(model.ClientHeight()));
    for (const selvaris::Control& control : model.Controls()) {
        if (!control.visible) continue;
        QWidget* widget = nullptr;
        const QString caption = QString::fromStdString(control.text);
        if (control.kind == selvaris::ControlKind::Button) {
            widget = new QPushButton(caption, &window);
        } else if (control.kind == selvaris::ControlKind::Label) {
            auto* label = new QLabel(caption, &window);
            if (control.backColour) {
                label->setAutoFillBackground(true);
                QPalette palette = label->palette();
                const selvaris::Colour c = *control.backColour;
                palette.setColor(QPalette::Window, QColor(selvaris::RedOf(c), selvaris::GreenOf(c), selvaris::BlueOf(c)));
                label->setPalette(palette);
            }
            widget = label;
        } else {
            continue;
        }
        widget->setObjectName(QString::fromStdString(control.name));
        widget->setGeometry(TwipsToPixels(control.left), TwipsToPixels(control.top), TwipsToPixels(control.width),
                            TwipsToPixels(control.height));
    }
    // The probe opens a second window, as it opens the program's entry window.
    if (auto* open = window.findChild<QPushButton*>(QStringLiteral("Command31")))
        QObject::connect(open, &QPushButton::clicked, &window, [&window] {
            QDialog dialog(&window);
            dialog.resize(469, 280);
            new QLabel(QStringLiteral("dialog"), &dialog);
            dialog.exec();
        });
    selvaris::ui::InstallStartupProbe(window, QStringLiteral("Command31"));
    window.show();
    return app.exec();
}
