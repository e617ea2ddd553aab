#include "core/inversion.h"
#include "workbench/form1.h"

namespace selvaris {
namespace {

// The desktop as the inversion sees it: every message box is shown at once
// and kept, so that it can be shown again without inverting the gate again.
class KeepingMessages : public Platform {
public:
    KeepingMessages(Platform& platform, std::vector<ShownMessage>& kept) : platform_(platform), kept_(kept) {}
    MessageAnswer MessageBox(const std::string& text, int style, const std::string& title) override {
        kept_.push_back({text, style, title});
        return platform_.MessageBox(text, style, title);
    }
    std::string Translate(const std::string& context, const std::string& text) const override {
        return platform_.Translate(context, text);
    }
    void ShowModal(Window& window) override { platform_.ShowModal(window); }
    int ScreenWidthTwips() const override { return platform_.ScreenWidthTwips(); }
    int ScreenHeightTwips() const override { return platform_.ScreenHeightTwips(); }
    void SetBusyPointer(bool busy) override { platform_.SetBusyPointer(busy); }

private:
    Platform& platform_;
    std::vector<ShownMessage>& kept_;
};

}  // namespace

const ComplexMatrix& Form1::InverseOfRecordedGate(int index) {
    KeptInverse& kept = state_.KeptInverses.at(static_cast<std::size_t>(index));
    const ComplexMatrix& gate = RecordedGate(index);
    // A slot keeps what its last gate gave; a step that has since put another
    // gate there (a conversion, a new target, a step taken back) is inverted afresh.
    if (kept.inverted && kept.gate.BitwiseEquals(gate)) {
        for (const ShownMessage& shown : kept.messages) platform_.MessageBox(shown.text, shown.style, shown.title);
        return kept.inverse;
    }
    kept.messages.clear();
    KeepingMessages keeping(platform_, kept.messages);
    registers_.InverseSource = gate;
    InvertMatrix(registers_, keeping);
    kept.gate = registers_.InverseSource;
    kept.inverse = registers_.InverseResult;
    kept.inverted = true;
    return kept.inverse;
}

}  // namespace selvaris
