// Stepping through combinations and permutations one call at a time in a
// caller-owned array, and the search for the array element nearest to a
// value.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace kvo {

// TCombination
//
// 256 bytes, indexes 0 to 255. Element 0 holds the count k (combinations) or
// n (permutations); elements 1 .. k (or 1 .. n) hold the current combination
// or permutation. Numbers run from 1 to at most 255.
using TCombination = std::array<uint8_t, 256>;

// NextCombination
//
// Steps C to the next combination of k = C[0] numbers out of 1 .. N in
// lexicographic order; the caller starts with 1, 2, ..., k. Returns false,
// leaving C unchanged, when C holds the last combination N - k + 1, ..., N.
//   k = 2, N = 4: (1,2) (1,3) (1,4) (2,3) (2,4) (3,4), then false.
// The rightmost position p that is below its maximum N - k + p is increased
// by one and the positions after it are set to the following numbers.
// Decision: N above 255 counts as 255 (the numbers are bytes); k = 0 or
// k > N gives false with C unchanged. Whatever C holds, only elements 1 .. k
// are written, with values 1 .. N.
bool NextCombination(TCombination& C, int32_t N);

// NextPermutation
//
// Steps P to the next permutation of 1 .. n, n = P[0]; the caller starts
// with the identity 1, 2, ..., n, and the calls then visit all n!
// permutations. Returns false, leaving P unchanged, after the last one.
//   n = 3: (1,2,3) (2,1,3) (2,3,1) (1,3,2) (3,1,2) (3,2,1), then false.
// One step, step(a) called with a = n: false if a = 1; otherwise with
// v = n + 1 - a at position q: if q < a, v moves one place to the right
// (P[q] and P[q + 1] exchange) and the result is true; if q = a, step(a - 1)
// is taken and, if it succeeded, v moves from position a back to position 1.
// For n = 1 the first call returns false.
// Decision: when P[1 .. n] lacks the number v that a step looks for (it is
// not a permutation of 1 .. n), or n = 0, the result is false with P
// unchanged; nothing outside P[1 .. n] is ever touched.
bool NextPermutation(TCombination& P);

// IndexOfNearestArrayValue (double)
//
// The 0-based index of the element of A nearest to x: the first i whose
// |A[i] - x| is strictly smaller than every earlier distance, starting from
// the bound uc_MaxDouble (1.7E308). Ties go to the first element; an empty
// array, or one whose distances are all at least 1.7E308 (or not numbers),
// gives -1.
//   IndexOfNearestArrayValue(2.5, {1.0, 2.0, 3.0}) == 1
int32_t IndexOfNearestArrayValue(double x, std::span<const double> A);

// IndexOfNearestArrayValue (integer)
//
// The same for whole numbers, the distance compared as a double.
// Decision: the distance is computed exactly (in 64 bits), also where
// A[i] - x does not fit in 32 bits, so it never wraps.
//   IndexOfNearestArrayValue(10, {3, 12, 8}) == 1
int32_t IndexOfNearestArrayValue(int32_t x, std::span<const int32_t> A);

}  // namespace kvo
