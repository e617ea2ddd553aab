#include "circuit/shape_picture.h"

#include <cstdint>
#include <limits>

namespace selvaris {

std::optional<GateShape> ParseShapeCode(const std::string& text) {
    std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string::npos) return std::nullopt;
    const std::size_t end = text.find_last_not_of(' ') + 1;

    bool negative = false;
    if (text[begin] == '+' || text[begin] == '-') {
        negative = text[begin] == '-';
        ++begin;
    }
    if (begin == end) return std::nullopt;

    // Accumulated as a negative number so that -32768 fits on the way.
    std::int32_t value = 0;
    for (std::size_t i = begin; i < end; ++i) {
        const char ch = text[i];
        if (ch < '0' || ch > '9') return std::nullopt;
        value = value * 10 - (ch - '0');
        if (value < std::numeric_limits<GateShape>::min()) return std::nullopt;
    }
    if (!negative) {
        value = -value;
        if (value > std::numeric_limits<GateShape>::max()) return std::nullopt;
    }
    return static_cast<GateShape>(value);
}

void DrawShapeInto(Window& form, ControlName picture, GateShape shape) {
    form.Draw(picture, GateShapeDrawing(shape));
}

bool DrawTypedShape(Window& form, Platform& platform) {
    const std::optional<GateShape> shape = ParseShapeCode(form.Text("Textd1"));
    if (!shape) {
        platform.MessageBox(kShapeCodeMessage, kStyleExclamationOk, kShapeCodeTitle);
        return false;
    }
    DrawShapeInto(form, "Picture1", *shape);
    return true;
}

void ShowFactorShape(const SharedRegisters& registers, double tolerance, Window& form) {
    const GateShape shape = ClassifyGateShape(registers.ShowMatrix, kNoShape, tolerance);
    if (shape < 0)
        form.ClearPicture("Picture2");
    else
        DrawShapeInto(form, "Picture2", shape);
}

}  // namespace selvaris
