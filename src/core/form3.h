#pragma once

#include <string>

#include "core/shared_registers.h"
#include "core/window.h"

namespace selvaris {

// The check window: a matrix that failed the unitarity check, its adjoint and
// the two products with it, as text. It has no buttons: the close box closes it.
class Form3 : public Window {
public:
    explicit Form3(SharedRegisters& registers);

protected:
    void OnLoad() override;

private:
    // A label's caption and the screen-reader name of the box below it.
    void SetCaption(const std::string& label, const std::string& textBox, const std::string& caption);

    SharedRegisters& registers_;
};

}  // namespace selvaris
