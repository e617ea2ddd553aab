#include "circuit/circuit_layout.h"

#include <algorithm>

#include "export/gate_label.h"

namespace selvaris {
namespace {

// Sizes in twips (15 to a pixel at 96 dpi).
constexpr int kMargin = 120;
constexpr int kNumberTop = 60;
constexpr int kNumberHeight = 150;
constexpr int kWireY[2] = {1500, 780};  // by wire: q0 below, q1 on top
constexpr int kBandTop = 330;
constexpr int kBandBottom = 1950;
constexpr int kLabelWidth = 360;
constexpr int kWireStart = kMargin + kLabelWidth + 60;
constexpr int kBandPadding = 120;
constexpr int kBandGap = 120;
constexpr int kEmptyBandWidth = 360;
constexpr int kColumnGap = 160;
constexpr int kBoxHeight = 460;
constexpr int kBoxPadding = 100;
constexpr int kNameHeight = 180;
constexpr int kParameterHeight = 130;
constexpr int kDotRadius = 80;
constexpr int kTargetRadius = 150;

constexpr Colour kBandColour = Rgb(244, 244, 244);
constexpr Colour kHighlightColour = Rgb(255, 236, 170);
constexpr Colour kHighlightEdge = Rgb(222, 176, 40);
constexpr Colour kNumberColour = Rgb(96, 96, 96);

int CodePoints(const std::string& text) {
    return static_cast<int>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// A little wider than the labels' digits are in a sans-serif font; the view
// shrinks a text that still does not fit.
int TextWidth(const std::string& text, int height) { return CodePoints(text) * height * 62 / 100; }

// "U3(1.571, 0.000, 3.142)" is drawn as the name over its angles; a label
// without angles stays one line.
struct BoxText {
    std::string name;
    std::string parameters;
};

BoxText SplitLabel(const std::string& label) {
    const std::size_t open = label.find('(');
    if (open == std::string::npos || label.back() != ')') return {label, ""};
    return {label.substr(0, open), label.substr(open + 1, label.size() - open - 2)};
}

int BoxWidth(const BoxText& text) {
    const int widest = std::max(TextWidth(text.name, kNameHeight), TextWidth(text.parameters, kParameterHeight));
    return std::max(kBoxHeight, widest + 2 * kBoxPadding);
}

int WireY(int wire) { return kWireY[wire == 1 ? 1 : 0]; }

struct Column {
    const CircuitGate* gate;
    std::string label;
    BoxText text;
    bool cnot;
    int width;
};

Column ColumnFor(const CircuitGate& gate) {
    const bool cnot = IsCnot(gate);
    std::string label = GateLabel(gate);
    BoxText text = SplitLabel(label);
    const int width = cnot ? kBoxHeight : BoxWidth(text);
    return {&gate, std::move(label), std::move(text), cnot, width};
}

void DrawBox(Drawing& d, int x, int y, int width, const BoxText& text) {
    const int left = x - width / 2, right = left + width;
    const int top = y - kBoxHeight / 2, bottom = top + kBoxHeight;
    d.push_back(FilledRectPrimitive(left, top, right, bottom, kWhite));
    d.push_back(RectOutlinePrimitive(left, top, right, bottom, kBlack));
    if (text.parameters.empty()) {
        d.push_back(TextPrimitive(left, top, right, bottom, kNameHeight, kBlack, text.name));
        return;
    }
    d.push_back(TextPrimitive(left, top + 30, right, y + 20, kNameHeight, kBlack, text.name));
    d.push_back(TextPrimitive(left + 20, y + 20, right - 20, bottom - 40, kParameterHeight, kBlack, text.parameters));
}

void DrawTargetCircle(Drawing& d, int x, int y) {
    d.push_back(FilledCirclePrimitive(x, y, kTargetRadius, kWhite));
    d.push_back(CirclePrimitive(x, y, kTargetRadius, kBlack));
    d.push_back(LinePrimitive(x - kTargetRadius, y, x + kTargetRadius, y, kBlack));
    d.push_back(LinePrimitive(x, y - kTargetRadius, x, y + kTargetRadius, kBlack));
}

void DrawGate(Drawing& d, const Column& column, int x) {
    const CircuitGate& gate = *column.gate;
    const int y = WireY(gate.target);
    if (gate.control >= 0) {
        const int controlY = WireY(gate.control);
        d.push_back(LinePrimitive(x, controlY, x, y, kBlack));
        if (gate.openControl) {
            d.push_back(FilledCirclePrimitive(x, controlY, kDotRadius, kWhite));
            d.push_back(CirclePrimitive(x, controlY, kDotRadius, kBlack));
        } else {
            d.push_back(FilledCirclePrimitive(x, controlY, kDotRadius, kBlack));
        }
    }
    if (column.cnot)
        DrawTargetCircle(d, x, y);
    else
        DrawBox(d, x, y, column.width, column.text);
}

struct Group {
    std::size_t factor;
    std::vector<Column> columns;
    int left = 0;
    int right = 0;
};

// The factors in the order they act, the last one first, each with its run of
// gates from the list; a factor without gates still gets its place.
std::vector<Group> GroupByFactor(const std::vector<CircuitGate>& gates, std::size_t factorCount) {
    std::vector<Group> groups;
    std::size_t next = 0;
    auto takeRun = [&](std::size_t factor) {
        Group group{factor, {}};
        for (; next < gates.size() && gates[next].factor == factor; ++next)
            group.columns.push_back(ColumnFor(gates[next]));
        groups.push_back(std::move(group));
    };
    for (std::size_t k = factorCount; k-- > 0;) takeRun(k);
    while (next < gates.size()) takeRun(gates[next].factor);
    return groups;
}

int GroupWidth(const Group& group) {
    if (group.columns.empty()) return kEmptyBandWidth;
    int width = 2 * kBandPadding - kColumnGap;
    for (const Column& column : group.columns) width += column.width + kColumnGap;
    return width;
}

}  // namespace

CircuitPicture LayOutCircuit(const Circuit& circuit, CircuitBasis basis, std::optional<std::size_t> highlighted) {
    std::vector<Group> groups = GroupByFactor(circuit.Drawn(basis), circuit.factors.size());
    CircuitPicture picture;
    int x = kWireStart + kBandGap;
    for (Group& group : groups) {
        group.left = x;
        group.right = x + GroupWidth(group);
        x = group.right + kBandGap;
    }
    picture.width = x + kMargin;
    picture.height = kBandBottom + kMargin;
    picture.wireY = {kWireY[0], kWireY[1]};
    Drawing& d = picture.drawing;

    for (const Group& group : groups) {
        const bool lit = highlighted == group.factor;
        if (lit) picture.bandStep = d.size();
        d.push_back(
            FilledRectPrimitive(group.left, kBandTop, group.right, kBandBottom, lit ? kHighlightColour : kBandColour));
        if (lit) d.push_back(RectOutlinePrimitive(group.left, kBandTop, group.right, kBandBottom, kHighlightEdge));
        d.push_back(TextPrimitive(group.left, kNumberTop, group.right, kNumberTop + kNumberHeight + 60, kNumberHeight,
                                  lit ? kBlack : kNumberColour, std::to_string(group.factor)));
        picture.factors.push_back({group.factor, group.left, group.right});
    }
    // The numbers over the bands are the factor browser's.
    d.push_back(TextPrimitive(kMargin, kNumberTop, kMargin + kLabelWidth, kNumberTop + kNumberHeight + 60,
                              kNumberHeight, kNumberColour, "因子"));
    for (int wire : {1, 0}) {
        const int y = WireY(wire);
        d.push_back(TextPrimitive(kMargin, y - kBoxHeight / 2, kMargin + kLabelWidth, y + kBoxHeight / 2, kNameHeight,
                                  kBlack, "q" + std::to_string(wire)));
        d.push_back(LinePrimitive(kWireStart, y, picture.width - kMargin, y, kBlack));
    }
    for (const Group& group : groups) {
        int left = group.left + kBandPadding;
        for (const Column& column : group.columns) {
            const int centre = left + column.width / 2;
            DrawGate(d, column, centre);
            picture.gates.push_back({group.factor, column.label, column.cnot, centre, WireY(column.gate->target)});
            left += column.width + kColumnGap;
        }
    }
    return picture;
}

std::optional<std::size_t> FactorAt(const CircuitPicture& picture, int x, int y) {
    if (y < kBandTop || y > kBandBottom) return std::nullopt;
    for (const FactorColumns& columns : picture.factors)
        if (x >= columns.left && x <= columns.right) return columns.factor;
    return std::nullopt;
}

}  // namespace selvaris
