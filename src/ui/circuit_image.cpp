#include "ui/circuit_image.h"

#include <QBuffer>
#include <QGuiApplication>
#include <cstdio>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cmath>

#include "circuit/circuit_layout.h"
#include "ui/vector_drawing.h"

namespace selvaris::ui {

namespace {

constexpr double kSvgPixelsPerTwip = 1.0 / 15.0;  // 96 dpi
constexpr int kPngResolution = 2;

QSize PixelSize(const CircuitPicture& picture, double pixelsPerTwip) {
    return QSize(std::max(1, static_cast<int>(std::ceil(picture.width * pixelsPerTwip))),
                 std::max(1, static_cast<int>(std::ceil(picture.height * pixelsPerTwip))));
}

// Fonts, and so any text, need a QGuiApplication; a QCoreApplication is not enough.
bool CanDraw() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr; }

std::string Bytes(const QByteArray& bytes) {
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace

std::string CircuitSvg(const Circuit& circuit, CircuitBasis basis) {
    if (!CanDraw()) return {};
    const CircuitPicture picture = LayOutCircuit(circuit, basis);
    const QSize size = PixelSize(picture, kSvgPixelsPerTwip);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(96);
    svg.setTitle(QStringLiteral("Selvaris circuit"));
    {
        QPainter painter(&svg);
        painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
        PaintVectorDrawing(painter, picture.drawing, kSvgPixelsPerTwip, Qt::white);
    }
    return Bytes(buffer.data());
}

std::string CircuitPng(const Circuit& circuit, CircuitBasis basis) {
    if (!CanDraw()) return {};
    const CircuitPicture picture = LayOutCircuit(circuit, basis);
    const double pixelsPerTwip = kPngResolution / 15.0;
    QImage image(PixelSize(picture, pixelsPerTwip), QImage::Format_RGB32);
    image.fill(Qt::white);
    // Twice 96 dpi, so a program that honours the resolution shows it at its drawn size.
    image.setDotsPerMeterX(static_cast<int>(std::lround(kPngResolution * 96 / 0.0254)));
    image.setDotsPerMeterY(image.dotsPerMeterX());
    {
        QPainter painter(&image);
        PaintVectorDrawing(painter, picture.drawing, pixelsPerTwip, Qt::white);
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return {};
    return Bytes(buffer.data());
}

std::optional<std::string> CircuitImage(const Circuit& circuit, CircuitBasis basis, ExportFormat format) {
    std::string bytes;
    if (format == ExportFormat::Svg) bytes = CircuitSvg(circuit, basis);
    if (format == ExportFormat::Png) bytes = CircuitPng(circuit, basis);
    if (bytes.empty()) return std::nullopt;
    return bytes;
}

std::optional<std::string> CommandLineCircuitImage(const Circuit& circuit, CircuitBasis basis, ExportFormat format) {
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "selvaris";
        static char* argv[] = {name, nullptr};
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        // The toolkit's own notes (a missing runtime folder, say) are no concern
        // of a command-line user; the command line reports its own failures.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
            if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
        });
        static QGuiApplication application(argc, argv);
    }
    return CircuitImage(circuit, basis, format);
}

}  // namespace selvaris::ui
