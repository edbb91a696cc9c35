#include "dstruct/combinatorics.h"

#include <cmath>
#include <cstdlib>

#include "univconst/univconst.h"

namespace kvo {

bool NextCombination(TCombination& C, int32_t N) {
  const int32_t k = C[0];
  if (N > 255) N = 255;
  if (k < 1 || k > N) return false;
  for (int32_t p = k; p >= 1; --p) {
    // Position p may hold at most N - k + p, so that the positions after it
    // can still take increasing numbers up to N.
    const int32_t top = N - k + p;
    if (C[p] < top) {
      const int32_t v = C[p] + 1;
      for (int32_t j = p; j <= k; ++j) C[j] = static_cast<uint8_t>(v + (j - p));
      return true;
    }
  }
  return false;
}

namespace {

// One step of the walk for the numbers placed at positions 1 .. a.
bool PermutationStep(TCombination& P, int32_t n, int32_t a) {
  if (a <= 1) return false;
  const int32_t v = n + 1 - a;
  int32_t q = 0;
  for (int32_t i = 1; i <= n; ++i) {
    if (P[i] == v) {
      q = i;
      break;
    }
  }
  if (q == 0 || q > a) return false;
  if (q < a) {
    P[q] = P[q + 1];
    P[q + 1] = static_cast<uint8_t>(v);
    return true;
  }
  if (!PermutationStep(P, n, a - 1)) return false;
  for (int32_t i = a; i >= 2; --i) P[i] = P[i - 1];
  P[1] = static_cast<uint8_t>(v);
  return true;
}

}  // namespace

bool NextPermutation(TCombination& P) {
  const int32_t n = P[0];
  if (n < 1) return false;
  return PermutationStep(P, n, n);
}

int32_t IndexOfNearestArrayValue(double x, std::span<const double> A) {
  double best = static_cast<double>(uc_MaxDouble);
  int32_t result = -1;
  for (size_t i = 0; i < A.size(); ++i) {
    const double d = std::fabs(A[i] - x);
    if (d < best) {
      best = d;
      result = static_cast<int32_t>(i);
    }
  }
  return result;
}

int32_t IndexOfNearestArrayValue(int32_t x, std::span<const int32_t> A) {
  double best = static_cast<double>(uc_MaxDouble);
  int32_t result = -1;
  for (size_t i = 0; i < A.size(); ++i) {
    const double d = static_cast<double>(std::llabs(static_cast<int64_t>(A[i]) - x));
    if (d < best) {
      best = d;
      result = static_cast<int32_t>(i);
    }
  }
  return result;
}

}  // namespace kvo
