#include "workbench/merged_gate.h"

namespace selvaris {
namespace {

// Copies the block on states (from1, from2) onto states (to1, to2).
void CopyBlock(ComplexMatrix& m, int from1, int from2, int to1, int to2) {
    const int from[2] = {from1, from2};
    const int to[2] = {to1, to2};
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j)
            for (int k = 0; k < 2; ++k) m.v[to[i]][to[j]][k] = m.v[from[i]][from[j]][k];
}

}  // namespace

ComplexMatrix BuildMergedGate(const ComplexMatrix& gate, const std::string& gateName) {
    ComplexMatrix merged = gate;
    if (gateName == "0_1_b")
        CopyBlock(merged, 0, 1, 2, 3);
    else if (gateName == "0_2_b")
        CopyBlock(merged, 0, 2, 1, 3);
    else if (gateName == "1_3_a" || gateName == "1_3_b")
        CopyBlock(merged, 1, 3, 0, 2);
    else if (gateName == "2_3_a" || gateName == "2_3_b")
        CopyBlock(merged, 2, 3, 0, 1);
    return merged;
}

}  // namespace selvaris
