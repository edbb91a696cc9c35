// Exact decimal conversion of extended-precision values.
//
// Every conversion reduces to one question: for |x| = m * 2^e and an integer
// k, what is floor(|x| * 10^k) and is the rest below, at or above one half?
// Writing 10^k = 5^k * 2^k keeps the numbers small: the value is
// m * 5^k * 2^(e+k) for k >= 0 and m * 2^(e+k) / 5^-k for k < 0, so only a
// shift or one division remains. Both are done in 128-bit arithmetic while
// the operands fit, and with the small Big integer below otherwise.
#include "stringl/format_decimal.h"

#include <cfloat>
#include <cmath>
#include <cstring>
#include <vector>

namespace kvo::format_detail {
namespace {

__extension__ typedef unsigned __int128 u128;

static_assert(LDBL_MANT_DIG <= 64, "the mantissa of long double must fit 64 bits");
static_assert(LDBL_MAX_10_EXP < 10000 && LDBL_MIN_10_EXP > -10000,
              "decimal exponents must fit four digits");

// 5^0 ... 5^55; 5^55 is the largest power of five below 2^128.
constexpr int kMaxPow5 = 55;
struct Pow5Table {
  u128 v[kMaxPow5 + 1];
  constexpr Pow5Table() : v() {
    u128 p = 1;
    for (int i = 0; i <= kMaxPow5; ++i) {
      v[i] = p;
      p *= 5;
    }
  }
};
constexpr Pow5Table kPow5;

// m * 5^k stays below 2^128 for every 64-bit m while k <= 27.
constexpr int kMaxFastPow5Mul = 27;

int BitLen64(uint64_t v) { return v == 0 ? 0 : 64 - __builtin_clzll(v); }

int BitLen128(u128 v) {
  const uint64_t hi = static_cast<uint64_t>(v >> 64);
  return hi != 0 ? 64 + BitLen64(hi) : BitLen64(static_cast<uint64_t>(v));
}

// Three-way comparison of a rest with the other part of its divisor:
// rest < divisor - rest means the rest is below one half.
int CompareHalf(u128 rest, u128 divisor) {
  const u128 other = divisor - rest;
  return rest < other ? -1 : (rest == other ? 0 : 1);
}

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Writes v in decimal (no leading zeros, "0" for zero) at the end of out.
void AppendU64(uint64_t v, std::string& out) {
  char buf[20];
  char* p = buf + sizeof buf;
  while (v >= 100) {
    const unsigned pair = static_cast<unsigned>(v % 100) * 2;
    v /= 100;
    *--p = kDigitPairs[pair + 1];
    *--p = kDigitPairs[pair];
  }
  if (v >= 10) {
    const unsigned pair = static_cast<unsigned>(v) * 2;
    *--p = kDigitPairs[pair + 1];
    *--p = kDigitPairs[pair];
  } else {
    *--p = static_cast<char>('0' + v);
  }
  out.append(p, buf + sizeof buf);
}

// Writes exactly `width` digits of v (v < 10^width), with leading zeros.
void AppendU64Padded(uint64_t v, int width, std::string& out) {
  const size_t at = out.size();
  out.append(static_cast<size_t>(width), '0');
  for (int i = width - 1; i >= 0 && v != 0; --i) {
    out[at + static_cast<size_t>(i)] = static_cast<char>('0' + v % 10);
    v /= 10;
  }
}

constexpr uint64_t kTen19 = 10000000000000000000ULL;

void AppendU128(u128 v, std::string& out) {
  if ((v >> 64) == 0) {
    AppendU64(static_cast<uint64_t>(v), out);
    return;
  }
  const u128 hi = v / kTen19;
  const uint64_t lo = static_cast<uint64_t>(v % kTen19);
  AppendU128(hi, out);
  AppendU64Padded(lo, 19, out);
}

int DigitCount128(u128 v) {
  int n = 0;
  while (v != 0) {
    if (v >= static_cast<u128>(kTen19) * kTen19) {
      v /= static_cast<u128>(kTen19) * kTen19;
      n += 38;
    } else if (v >= kTen19) {
      v /= kTen19;
      n += 19;
    } else {
      uint64_t w = static_cast<uint64_t>(v);
      while (w != 0) {
        w /= 10;
        ++n;
      }
      break;
    }
  }
  return n;
}

// Adds one to a decimal digit string ("999" becomes "1000").
void IncrementDecimal(std::string& digits) {
  for (size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return;
    }
    digits[i] = '0';
  }
  digits.insert(digits.begin(), '1');
}

// An unsigned integer of any size: 32-bit limbs, least significant first,
// no zero limb at the top (zero has no limbs).
class Big {
 public:
  Big() = default;
  explicit Big(uint64_t v) {
    if (v != 0) d_.push_back(static_cast<uint32_t>(v));
    if ((v >> 32) != 0) d_.push_back(static_cast<uint32_t>(v >> 32));
  }

  bool IsZero() const { return d_.empty(); }

  int64_t BitLen() const {
    if (d_.empty()) return 0;
    return 32 * static_cast<int64_t>(d_.size() - 1) + (32 - __builtin_clz(d_.back()));
  }

  bool Bit(int64_t i) const {
    const size_t w = static_cast<size_t>(i / 32);
    return w < d_.size() && ((d_[w] >> (i % 32)) & 1u) != 0;
  }

  // True when any of bits 0 ... n-1 is set.
  bool AnyBitBelow(int64_t n) const {
    const size_t full = static_cast<size_t>(n / 32);
    for (size_t i = 0; i < full && i < d_.size(); ++i)
      if (d_[i] != 0) return true;
    const int rest = static_cast<int>(n % 32);
    return rest != 0 && full < d_.size() && (d_[full] & ((1u << rest) - 1u)) != 0;
  }

  void MulSmall(uint32_t f) {
    uint64_t carry = 0;
    for (uint32_t& x : d_) {
      const uint64_t t = static_cast<uint64_t>(x) * f + carry;
      x = static_cast<uint32_t>(t);
      carry = t >> 32;
    }
    if (carry != 0) d_.push_back(static_cast<uint32_t>(carry));
  }

  void MulPow5(int64_t k) {
    constexpr uint32_t kPow5_13 = 1220703125u;  // the largest power of 5 in 32 bits
    for (; k >= 13; k -= 13) MulSmall(kPow5_13);
    if (k > 0) MulSmall(static_cast<uint32_t>(kPow5.v[k]));
  }

  void Shl(int64_t n) {
    if (d_.empty() || n <= 0) return;
    const size_t words = static_cast<size_t>(n / 32);
    const int bits = static_cast<int>(n % 32);
    if (bits != 0) {
      uint32_t carry = 0;
      for (uint32_t& x : d_) {
        const uint32_t next = x >> (32 - bits);
        x = (x << bits) | carry;
        carry = next;
      }
      if (carry != 0) d_.push_back(carry);
    }
    d_.insert(d_.begin(), words, 0u);
  }

  Big Shr(int64_t n) const {
    Big r;
    const size_t words = static_cast<size_t>(n / 32);
    if (words >= d_.size()) return r;
    const int bits = static_cast<int>(n % 32);
    r.d_.assign(d_.begin() + static_cast<std::ptrdiff_t>(words), d_.end());
    if (bits != 0) {
      for (size_t i = 0; i < r.d_.size(); ++i) {
        const uint32_t hi = i + 1 < r.d_.size() ? r.d_[i + 1] << (32 - bits) : 0u;
        r.d_[i] = (r.d_[i] >> bits) | hi;
      }
    }
    r.Trim();
    return r;
  }

  static int Compare(const Big& a, const Big& b) {
    if (a.d_.size() != b.d_.size()) return a.d_.size() < b.d_.size() ? -1 : 1;
    for (size_t i = a.d_.size(); i-- > 0;)
      if (a.d_[i] != b.d_[i]) return a.d_[i] < b.d_[i] ? -1 : 1;
    return 0;
  }

  // *this -= b; requires *this >= b.
  void Sub(const Big& b) {
    int64_t borrow = 0;
    for (size_t i = 0; i < d_.size(); ++i) {
      int64_t t = static_cast<int64_t>(d_[i]) - borrow - (i < b.d_.size() ? b.d_[i] : 0u);
      borrow = t < 0 ? 1 : 0;
      if (t < 0) t += int64_t{1} << 32;
      d_[i] = static_cast<uint32_t>(t);
    }
    Trim();
  }

  // *this = 2 * *this + bit.
  void Shl1Or(bool bit) {
    uint32_t carry = bit ? 1u : 0u;
    for (uint32_t& x : d_) {
      const uint32_t next = x >> 31;
      x = (x << 1) | carry;
      carry = next;
    }
    if (carry != 0) d_.push_back(carry);
  }

  // Divides in place by f and returns the remainder.
  uint32_t DivSmall(uint32_t f) {
    uint64_t rem = 0;
    for (size_t i = d_.size(); i-- > 0;) {
      const uint64_t cur = (rem << 32) | d_[i];
      d_[i] = static_cast<uint32_t>(cur / f);
      rem = cur % f;
    }
    Trim();
    return static_cast<uint32_t>(rem);
  }

  void SetBit(int64_t i) {
    const size_t w = static_cast<size_t>(i / 32);
    if (w >= d_.size()) d_.resize(w + 1, 0u);
    d_[w] |= 1u << (i % 32);
  }

  std::string ToDecimal() const {
    if (d_.empty()) return "0";
    Big t = *this;
    std::vector<uint32_t> chunks;  // base 10^9, least significant first
    chunks.reserve(d_.size() * 32 / 29 + 1);
    while (!t.IsZero()) chunks.push_back(t.DivSmall(1000000000u));
    std::string s;
    s.reserve(chunks.size() * 9);
    AppendU64(chunks.back(), s);
    for (size_t i = chunks.size() - 1; i-- > 0;) AppendU64Padded(chunks[i], 9, s);
    return s;
  }

 private:
  void Trim() {
    while (!d_.empty() && d_.back() == 0) d_.pop_back();
  }

  std::vector<uint32_t> d_;
};

// q = floor(a / b) and r = a - q * b, for b > 0: binary long division over
// the quotient's bits only, so the cost follows the size of the quotient.
void DivMod(const Big& a, const Big& b, Big& q, Big& r) {
  const int64_t la = a.BitLen();
  const int64_t lb = b.BitLen();
  q = Big();
  if (la < lb) {
    r = a;
    return;
  }
  const int64_t l = la - lb + 1;
  r = a.Shr(l);  // below 2^(lb-1) <= b
  for (int64_t i = l - 1; i >= 0; --i) {
    r.Shl1Or(a.Bit(i));
    if (Big::Compare(r, b) >= 0) {
      r.Sub(b);
      q.SetBit(i);
    }
  }
}

// floor(|x| * 10^k) and where the rest lies relative to one half.
struct Scaled {
  bool IsBig = false;
  u128 Q = 0;            // the floor, when !IsBig
  std::string Digits;    // the floor in decimal, when IsBig
  int Cmp = -1;          // rest vs 1/2: < 0 below (or no rest), 0 tie, > 0 above
};

bool ScaleFast(uint64_t m, int32_t e2, int64_t k, Scaled& s) {
  const int64_t t = static_cast<int64_t>(e2) + k;  // the power of two left over
  if (k >= 0) {
    if (k > kMaxFastPow5Mul) return false;
    const u128 p = static_cast<u128>(m) * kPow5.v[k];
    if (t >= 0) {
      if (BitLen128(p) + t > 128) return false;
      s.Q = p << t;
      s.Cmp = -1;
      return true;
    }
    const int64_t sh = -t;
    if (sh >= 128) {
      s.Q = 0;
      const u128 half = static_cast<u128>(1) << 127;
      s.Cmp = sh > 128 ? -1 : (p < half ? -1 : (p == half ? 0 : 1));
      return true;
    }
    s.Q = p >> sh;
    const u128 rest = p & ((static_cast<u128>(1) << sh) - 1);
    const u128 half = static_cast<u128>(1) << (sh - 1);
    s.Cmp = rest < half ? -1 : (rest == half ? 0 : 1);
    return true;
  }
  const int64_t j = -k;
  if (j > kMaxPow5) return false;
  u128 a = m;
  u128 b = kPow5.v[j];
  if (t >= 0) {
    if (BitLen64(m) + t > 128) return false;
    a <<= t;
  } else {
    if (BitLen128(b) - t > 128) return false;
    b <<= -t;
  }
  s.Q = a / b;
  s.Cmp = CompareHalf(a - s.Q * b, b);
  return true;
}

void ScaleBig(uint64_t m, int32_t e2, int64_t k, Scaled& s) {
  s.IsBig = true;
  s.Cmp = -1;
  const int64_t t = static_cast<int64_t>(e2) + k;
  if (k >= 0) {
    Big p(m);
    p.MulPow5(k);
    if (t >= 0) {  // an integer: no rest
      p.Shl(t);
      s.Digits = p.ToDecimal();
      return;
    }
    const int64_t sh = -t;
    const Big q = p.Shr(sh);
    if (p.Bit(sh - 1)) s.Cmp = p.AnyBitBelow(sh - 1) ? 1 : 0;
    s.Digits = q.ToDecimal();
    return;
  }
  Big a(m);
  Big b(1);
  b.MulPow5(-k);
  if (t >= 0)
    a.Shl(t);
  else
    b.Shl(-t);
  Big q, r;
  DivMod(a, b, q, r);
  r.Shl1Or(false);
  s.Cmp = Big::Compare(r, b);
  s.Digits = q.ToDecimal();
}

// Computes floor(|x| * 10^k) for finite v. A scaled value that is an
// integer with trailing zeros is built as its significant digits and the
// zeros appended, so a request for thousands of decimals costs no more than
// the exact expansion of the value (at most 16445 fraction digits).
void Scale(const Decomposed& v, int64_t k, Scaled& s) {
  s = Scaled();
  const int64_t fracBits = v.Exp2 < 0 ? -static_cast<int64_t>(v.Exp2) : 0;
  if (k > fracBits && k > kMaxFastPow5Mul) {
    // |x| * 10^k = (|x| * 10^f) * 10^(k-f), with |x| * 10^f an integer.
    ScaleBig(v.Mant, v.Exp2, fracBits, s);
    s.Digits.append(static_cast<size_t>(k - fracBits), '0');
    return;
  }
  if (!ScaleFast(v.Mant, v.Exp2, k, s)) ScaleBig(v.Mant, v.Exp2, k, s);
}

// Number of digits of the floor; zero has none.
int64_t FloorDigitCount(const Scaled& s) {
  if (!s.IsBig) return DigitCount128(s.Q);
  return s.Digits == "0" ? 0 : static_cast<int64_t>(s.Digits.size());
}

// The floor rounded by the rest (ties away from zero), in decimal.
void RoundedDigits(Scaled& s, std::string& out) {
  const bool up = s.Cmp >= 0;
  if (!s.IsBig) {
    out.clear();
    AppendU128(s.Q + (up ? 1 : 0), out);
    return;
  }
  if (up) IncrementDecimal(s.Digits);
  out.swap(s.Digits);
}

// A first guess of floor(log10 |x|): exact or one too small.
int64_t EstimateDecimalExponent(const Decomposed& v) {
  const int64_t b = BitLen64(v.Mant) - 1 + static_cast<int64_t>(v.Exp2);
  return static_cast<int64_t>(std::floor(static_cast<double>(b) * 0.30102999566398119521));
}

}  // namespace

Decomposed Decompose(long double x) {
  Decomposed r{fcZero, false, 0, 0};
#if (defined(__x86_64__) || defined(__i386__)) && LDBL_MANT_DIG == 64
  unsigned char bytes[sizeof(long double)];
  std::memcpy(bytes, &x, sizeof bytes);
  uint64_t mant;
  uint16_t signExp;
  std::memcpy(&mant, bytes, 8);
  std::memcpy(&signExp, bytes + 8, 2);
  r.Negative = (signExp & 0x8000u) != 0;
  const int ex = signExp & 0x7FFF;
  const bool integerBit = (mant >> 63) != 0;
  if (ex == 0x7FFF) {
    r.Class = mant == (uint64_t{1} << 63) ? fcInfinite : fcNaN;
  } else if (ex == 0) {
    r.Class = mant == 0 ? fcZero : fcFinite;
    r.Mant = mant;
    r.Exp2 = 1 - 16383 - 63;
  } else if (!integerBit) {
    r.Class = fcNaN;  // unnormal
  } else {
    r.Class = fcFinite;
    r.Mant = mant;
    r.Exp2 = ex - 16383 - 63;
  }
#else
  r.Negative = std::signbit(x);
  if (std::isnan(x)) {
    r.Class = fcNaN;
  } else if (std::isinf(x)) {
    r.Class = fcInfinite;
  } else if (x == 0) {
    r.Class = fcZero;
  } else {
    int ex = 0;
    const long double fr = std::frexp(std::fabs(x), &ex);  // in [0.5, 1)
    r.Class = fcFinite;
    r.Mant = static_cast<uint64_t>(std::ldexp(fr, 64));
    r.Exp2 = ex - 64;
  }
#endif
  if (r.Class == fcFinite) {
    // Drop trailing zero bits: smaller numbers on every path.
    const int tz = __builtin_ctzll(r.Mant);
    r.Mant >>= tz;
    r.Exp2 += tz;
  }
  return r;
}

bool FixedDigits(const Decomposed& v, int64_t decimals, std::string& out) {
  if (decimals < 0) decimals = 0;
  std::string digits;
  bool nonzero = false;
  if (v.Class == fcFinite) {
    Scaled s;
    Scale(v, decimals, s);
    RoundedDigits(s, digits);
    nonzero = digits != "0";
  } else {
    digits = "0";
  }
  const size_t d = static_cast<size_t>(decimals);
  out.clear();
  out.reserve((digits.size() > d ? digits.size() : d + 1) + 1);
  if (digits.size() > d) {
    out.append(digits, 0, digits.size() - d);
  } else {
    out.push_back('0');
  }
  if (d > 0) {
    out.push_back('.');
    if (digits.size() < d) {
      out.append(d - digits.size(), '0');
      out.append(digits);
    } else {
      out.append(digits, digits.size() - d, d);
    }
  }
  return nonzero;
}

int32_t ScientificDigits(const Decomposed& v, int64_t digits, std::string& out) {
  if (digits < 1) digits = 1;
  if (v.Class != fcFinite) {
    out.assign(static_cast<size_t>(digits), '0');
    return 0;
  }
  int64_t e = EstimateDecimalExponent(v);
  Scaled s;
  // The guess is off by at most one; the loop settles in one more round.
  for (int round = 0; round < 4; ++round) {
    Scale(v, digits - 1 - e, s);
    const int64_t n = FloorDigitCount(s);
    if (n > digits) {
      ++e;
    } else if (n < digits) {
      --e;
    } else {
      break;
    }
  }
  RoundedDigits(s, out);
  if (static_cast<int64_t>(out.size()) > digits) {  // 9.99... rounded up to 10.0...
    out.pop_back();
    ++e;
  }
  return static_cast<int32_t>(e);
}

int32_t DecimalExponent(const Decomposed& v) {
  int64_t e = EstimateDecimalExponent(v);
  Scaled s;
  for (int round = 0; round < 4; ++round) {
    Scale(v, -e, s);
    const int64_t n = FloorDigitCount(s);
    if (n == 1) break;
    e += n > 1 ? 1 : -1;
  }
  return static_cast<int32_t>(e);
}

}  // namespace kvo::format_detail
