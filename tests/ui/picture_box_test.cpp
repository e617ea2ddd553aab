#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include "circuit/gate_shape.h"
#include "qt_test_app.h"
#include "ui/picture_widget.h"
#include "ui/twips.h"

namespace selvaris::ui {
namespace {

// The picture of a code as the user sees it in a 1455 x 855 twip box.
QImage Render(GateShape shape) {
    testing::App();
    PictureWidget picture;
    picture.resize(TwipsToPixels(1455), TwipsToPixels(855));
    picture.SetDrawing(DrawGateShape(shape), Qt::white);
    return picture.grab().toImage();
}

bool IsBlack(const QImage& image, int xTwips, int yTwips) {
    return image.pixelColor(TwipsToPixels(xTwips), TwipsToPixels(yTwips)) == QColor(Qt::black);
}
bool IsWhite(const QImage& image, int xTwips, int yTwips) {
    return image.pixelColor(TwipsToPixels(xTwips), TwipsToPixels(yTwips)) == QColor(Qt::white);
}

TEST(PictureBox, ClosedControlOnTopWireAndGateBoxOnBottomWire) {
    const QImage image = Render(0);
    EXPECT_TRUE(IsBlack(image, 150, 200));  // top wire, left of the dot
    EXPECT_TRUE(IsBlack(image, 750, 600));  // bottom wire, right of the box
    EXPECT_TRUE(IsBlack(image, 450, 400));  // connector
    EXPECT_TRUE(IsBlack(image, 450, 240));  // inside the dot: the rings fill it
    EXPECT_TRUE(IsBlack(image, 350, 600));  // gate box outline
    EXPECT_TRUE(IsWhite(image, 450, 600));  // inside the box: wire and connector hidden
    EXPECT_TRUE(IsWhite(image, 450, 100));  // above the top wire
}

TEST(PictureBox, OpenControlIsWhiteInsideAndBareWiresHaveNoBox) {
    const QImage open = Render(1);
    EXPECT_TRUE(IsWhite(open, 450, 200));  // centre of the open dot: blanked wire
    EXPECT_TRUE(IsBlack(open, 150, 200));
    EXPECT_TRUE(IsWhite(open, 450, 600));

    const QImage wires = Render(6);
    EXPECT_TRUE(IsBlack(wires, 450, 200));
    EXPECT_TRUE(IsBlack(wires, 450, 600));
    EXPECT_TRUE(IsWhite(wires, 450, 400));  // no connector

    const QImage nothing = Render(7);
    EXPECT_TRUE(IsWhite(nothing, 450, 200));
    EXPECT_TRUE(IsWhite(nothing, 150, 600));
}

TEST(PictureBox, PictureSurvivesRepaints) {
    testing::App();
    PictureWidget picture;
    picture.resize(TwipsToPixels(1455), TwipsToPixels(855));
    picture.SetDrawing(DrawGateShape(0), Qt::white);
    const QImage first = picture.grab().toImage();
    picture.repaint();
    EXPECT_EQ(picture.grab().toImage(), first);
}

}  // namespace
}  // namespace selvaris::ui
