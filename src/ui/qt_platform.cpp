#include "ui/qt_platform.h"

#include <QApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>

#include "core/translation.h"
#include "ui/model_dialog.h"
#include "ui/qt_translation.h"
#include "ui/twips.h"

namespace selvaris::ui {

namespace {

QString ToQt(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Everything a message box or a file dialog says is composed at run time.
QString Shown(const std::string& text) { return TranslatedText(kMessageContext, text); }

QMessageBox::Icon IconOf(int style) {
    switch (style & 0x70) {
        case 16: return QMessageBox::Critical;
        case 32: return QMessageBox::Question;
        case 48: return QMessageBox::Warning;
        case 64: return QMessageBox::Information;
        default: return QMessageBox::NoIcon;
    }
}

}  // namespace

QRect QtPlatform::ScreenArea() const {
    if (screenSize_) return QRect(QPoint(0, 0), *screenSize_);
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QSize QtPlatform::ScreenSize() const {
    if (screenSize_) return *screenSize_;
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1024, 768);
}

MessageAnswer QtPlatform::MessageBox(const std::string& text, int style, const std::string& title) {
    const bool yesNo = (style & 7) == 4;
    QMessageBox box(IconOf(style), Shown(title), Shown(text),
                    yesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok, QApplication::activeWindow());
    if (yesNo) {
        const auto defaultButton = (style & kStyleSecondButtonDefault) ? QMessageBox::No : QMessageBox::Yes;
        box.setDefaultButton(defaultButton);
        box.setEscapeButton(QMessageBox::No);
    }
    // A busy pointer must not hide the question from the user.
    const bool wasBusy = busyDepth_ > 0;
    if (wasBusy) QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int answer = box.exec();
    if (wasBusy) QApplication::restoreOverrideCursor();
    if (!yesNo) return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

void QtPlatform::ShowModal(Window& window) {
    window.Load();
    if (window.IsClosed()) return;
    ModelDialog dialog(window, QApplication::activeWindow());
    // The window goes where its opener placed it, pulled back just enough to
    // stay whole, frame included, on a screen that is too small for that place.
    const QRect area = ScreenArea();
    const int right = area.right() + 1 - (dialog.width() + kFrameAllowanceWidth);
    const int bottom = area.bottom() + 1 - (dialog.height() + kFrameAllowanceHeight);
    const int x = std::max(area.left(), std::min(TwipsToPixels(window.Left()), right));
    const int y = std::max(area.top(), std::min(TwipsToPixels(window.Top()), bottom));
    dialog.move(x, y);
    dialog.exec();
    if (!window.IsClosed()) window.Close();
}

std::optional<std::string> QtPlatform::AskSaveFileName(const std::string& title) {
    const QString name = QFileDialog::getSaveFileName(QApplication::activeWindow(), Shown(title), QString(),
                                                      QStringLiteral("OpenQASM (*.qasm);;JSON (*.json)"));
    if (name.isEmpty()) return std::nullopt;
    return name.toUtf8().toStdString();
}

std::optional<std::pair<std::string, int>> QtPlatform::AskExportFileName(const std::string& title,
                                                                        const std::vector<std::string>& filters) {
    QStringList qtFilters;
    for (const std::string& filter : filters) qtFilters << Shown(filter);
    QString chosenFilter = qtFilters.value(0);
    const QString name = QFileDialog::getSaveFileName(QApplication::activeWindow(), Shown(title), QString(),
                                                      qtFilters.join(QStringLiteral(";;")), &chosenFilter);
    if (name.isEmpty()) return std::nullopt;
    return std::make_pair(name.toUtf8().toStdString(), std::max(0, static_cast<int>(qtFilters.indexOf(chosenFilter))));
}

std::optional<std::string> QtPlatform::AskOpenFileName(const std::string& title, const std::string& filter) {
    const QString name = QFileDialog::getOpenFileName(QApplication::activeWindow(), Shown(title), QString(),
                                                      Shown(title) + QStringLiteral(" (") + ToQt(filter) +
                                                          QStringLiteral(")"));
    if (name.isEmpty()) return std::nullopt;
    return name.toUtf8().toStdString();
}

std::string QtPlatform::Translate(const std::string& context, const std::string& text) const {
    return TranslatedText(context, text).toStdString();
}

int QtPlatform::ScreenWidthTwips() const { return PixelsToTwips(ScreenSize().width()); }

int QtPlatform::ScreenHeightTwips() const { return PixelsToTwips(ScreenSize().height()); }

void QtPlatform::SetBusyPointer(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++busyDepth_;
    } else if (busyDepth_ > 0) {
        QApplication::restoreOverrideCursor();
        --busyDepth_;
    }
}

}  // namespace selvaris::ui
