#pragma once

// A hot loop may have two ways, equal bit for bit: four lanes at once where
// the processor has AVX2, or the two lanes every x86-64 has. Each lane does
// exactly the operations of the plain loop, so the width changes no result;
// a test holds the two ways to the same bits.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define SELVARIS_WIDE_LANES 1
#endif

namespace selvaris {

enum class LaneWidth { Widest, Two };

// True where the four-lane way can run.
bool WideLanesAvailable();

}  // namespace selvaris
