#include <gtest/gtest.h>

#include <QDialog>
#include <QSet>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>

#include "circuit/circuit_layout.h"
#include "entry/builtin_matrices.h"
#include "export/workbench_decomposition.h"  // tests/export
#include "modal_driver.h"
#include "qt_workbench.h"
#include "ui/circuit_image.h"
#include "ui/circuit_view.h"
#include "ui/twips.h"

namespace selvaris::ui {
namespace {

using namespace testing;

void DecomposeQft(QtWorkbench& wb) {
    wb.registers.EntryMatrix = QftMatrix();
    wb.registers.EntryCancelled = false;
    wb.form.AcceptEnteredTarget();
    for (const char* cell : {"la30", "la20", "la10", "la21", "la31", "la32"}) {
        if (wb.form.Get(cell).backColour != kRed) continue;
        wb.form.Click(cell);
        wb.form.Click("Command10");
    }
    WhenModal("Form7", [](QWidget* entry) { ClickButton(entry, "Command7"); });  // 実行
    ClickButton(wb.widget.get(), "Command1");
}

QPoint Pixels(int xTwips, int yTwips) { return QPoint(TwipsToPixels(xTwips), TwipsToPixels(yTwips)); }

class CircuitWindowAtScale : public ::testing::TestWithParam<double> {};
INSTANTIATE_TEST_SUITE_P(SupportedScales, CircuitWindowAtScale, ::testing::ValuesIn(kSupportedUiScales));

TEST_P(CircuitWindowAtScale, OpensFromTheButtonPaintsGrowsAndMovesTheBrowserOnAClick) {
    App();
    SetUiScale(GetParam());
    QtWorkbench wb;
    DecomposeQft(wb);
    const CircuitPicture picture = LayOutCircuit(BuildCircuit(wb.form.CurrentDecomposition()), CircuitBasis::TwoLevel);
    bool visited = false;
    WhenModal("CircuitWindow", [&](QWidget* dialog) {
        visited = true;
        auto* view = dialog->findChild<CircuitView*>("CircuitView");
        EXPECT_TRUE(view);
        if (view) {
            const QImage painted = view->Canvas()->grab().toImage();
            EXPECT_EQ(painted.size(), view->Canvas()->size());
            const GateSpot& first = picture.gates.front();  // a box: its label's ink is black
            int ink = 0;
            for (int dx = -10; dx <= 10; ++dx)
                ink += painted.pixelColor(Pixels(first.x, first.y) + QPoint(dx, 0)).lightness() < 128;
            EXPECT_GT(ink, 0);

            const QSize before = view->size();
            dialog->resize(dialog->size() + QSize(200, 90));
            QApplication::processEvents();
            EXPECT_EQ(view->size(), before + QSize(200, 90));

            const auto gate = std::find_if(picture.gates.begin(), picture.gates.end(),
                                           [](const GateSpot& g) { return g.factor == 4; });
            QTest::mouseClick(view->Canvas(), Qt::LeftButton, {}, Pixels(gate->x, gate->y));
            EXPECT_EQ(wb.form.State().BrowseStep, 4);
            // The main window behind shows the factor at once.
            EXPECT_EQ(wb.widget->findChild<QLabel*>("Label7")->text(), QStringLiteral("4"));
            const auto columns = std::find_if(picture.factors.begin(), picture.factors.end(),
                                              [](const FactorColumns& f) { return f.factor == 4; });
            const QColor band =
                view->Canvas()->grab().toImage().pixelColor(Pixels(columns->left + 60, picture.wireY[1] - 350));
            EXPECT_GT(band.red(), band.blue() + 40);  // pale yellow behind the factor now shown
        }
        qobject_cast<QDialog*>(dialog)->reject();
    });
    ClickButton(wb.widget.get(), "CircuitButton");
    EXPECT_TRUE(visited);
    SetUiScale(kSupportedUiScales[0]);
}

TEST(CircuitImage, TheSvgIsXmlWithEveryLabelAndThePngAnImageOfTheDrawing) {
    App();
    const Circuit circuit = BuildCircuit(selvaris::testing::DecomposeLikeWorkbench(QftMatrix()));
    for (const CircuitBasis basis : {CircuitBasis::TwoLevel, CircuitBasis::Cx}) {
        const CircuitPicture picture = LayOutCircuit(circuit, basis);
        const std::string svg = CircuitSvg(circuit, basis);
        QXmlStreamReader xml(QByteArray(svg.data(), static_cast<qsizetype>(svg.size())));
        QSet<QString> texts;
        QString root;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (root.isEmpty()) root = xml.name().toString();
            if (xml.name() == QLatin1String("text"))
                texts << xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        EXPECT_EQ(root, QStringLiteral("svg"));
        for (const GateSpot& gate : picture.gates) {
            if (gate.cnot) continue;
            const std::string name = gate.label.substr(0, gate.label.find('('));
            EXPECT_TRUE(texts.contains(QString::fromStdString(name))) << gate.label;
        }

        const std::string png = CircuitPng(circuit, basis);
        QImage image;
        ASSERT_TRUE(
            image.loadFromData(reinterpret_cast<const uchar*>(png.data()), static_cast<int>(png.size()), "PNG"));
        EXPECT_EQ(image.width(), static_cast<int>(std::ceil(picture.width * 2 / 15.0)));
        EXPECT_EQ(image.height(), static_cast<int>(std::ceil(picture.height * 2 / 15.0)));
    }
}

}  // namespace
}  // namespace selvaris::ui
