#include <gtest/gtest.h>

#include <climits>

#include "entry/cell_parser.h"
#include "entry/form7.h"
#include "support/fake_platform.h"

namespace selvaris {
namespace {

// Outside the matrix, including where adding 1 for a message or a digit for a name would overflow.
TEST(CellPosition, APositionOutsideTheMatrixIsRefusedWithoutAMessage) {
    for (const int bad : {-1, 4, INT_MAX, INT_MIN}) {
        for (const auto& [row, column] : {std::pair{bad, 0}, std::pair{0, bad}}) {
            SharedRegisters registers;
            testing::FakePlatform platform;
            CellValues values{0.5, 0.25};
            ParseCell("1", row, column, values, registers, platform);
            EXPECT_TRUE(registers.EntryError) << row << "," << column;
            EXPECT_TRUE(platform.messages.empty());
            EXPECT_EQ(values.CellReal, 0.5);
            EXPECT_EQ(registers.EntryErrorRow, 0);
            EXPECT_EQ(Form7::CellName(row, column), "");
        }
    }
}

}  // namespace
}  // namespace selvaris
