#include "univconst/univconst.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <numbers>
#include <type_traits>

namespace kvo {
namespace {

// The constants are 80-bit values; the checks below rely on that format.
static_assert(std::numeric_limits<long double>::digits == 64);

// Each constant against the exact 80-bit value its 21-digit decimal figure
// fixes (hexadecimal forms worked out independently at high precision), and
// against a reference of its meaning computed at run time. Several figures
// are one unit in the last place off the correctly rounded constant, so the
// meaning check allows a few units.
struct ConstCase {
  const char* name;
  long double value;
  long double exact;      // the nearest 80-bit value to the stated figure
  long double reference;  // what the constant means
};

TEST(UnivConst, ValuesAreTheStatedEightyBitValues) {
  const long double pi = std::numbers::pi_v<long double>;
  const ConstCase cases[] = {
      {"uc_e", uc_e, 0xADF85458A2BB4A9Ap-62L, std::numbers::e_v<long double>},
      {"uc_etom1", uc_etom1, 0xBC5AB1B16779BE36p-65L, 1.0L / std::numbers::e_v<long double>},
      {"uc_lg2", uc_lg2, 0x9A209A84FBCFF798p-65L, std::log10(2.0L)},
      {"uc_lg5", uc_lg5, 0xB2EFB2BD82180434p-64L, std::log10(5.0L)},
      {"uc_lge", uc_lge, 0xDE5BD8A937287195p-65L, std::numbers::log10e_v<long double>},
      {"uc_lgPi", uc_lgPi, 0xFE8A6D98DD1DD807p-65L, std::log10(pi)},
      {"uc_ln10", uc_ln10, 0x935D8DDDAAA8AC17p-62L, std::numbers::ln10_v<long double>},
      {"uc_ln2", uc_ln2, 0xB17217F7D1CF79ABp-64L, std::numbers::ln2_v<long double>},
      {"uc_lnPi", uc_lnPi, 0x928682473D0DE85Ep-63L, std::log(pi)},
      {"uc_PiH", uc_PiH, 0xC90FDAA22168C235p-63L, pi / 2},
      {"uc_PiSqr", uc_PiSqr, 0x9DE9E64DF22EF2D2p-60L, pi * pi},
      {"uc_Pitom1", uc_Pitom1, 0xA2F9836E4E441529p-65L, std::numbers::inv_pi_v<long double>},
      {"uc_sqrt2", uc_sqrt2, 0xB504F333F9DE6485p-63L, std::numbers::sqrt2_v<long double>},
      {"uc_sqrt2pi", uc_sqrt2pi, 0xA06C98FFB1382CB2p-62L, std::sqrt(2 * pi)},
      {"uc_sqrt2pitom1", uc_sqrt2pitom1, 0xCC42299EA1B28468p-65L, 1 / std::sqrt(2 * pi)},
      {"uc_GoldenR", uc_GoldenR, 0xCF1BBCDCBFA53E0Ap-63L, std::numbers::phi_v<long double>},
      {"uc_MinReal", uc_MinReal, 0xFCA0293C42765B07p-192L, 2.9e-39L},
      {"uc_MaxReal", uc_MaxReal, 0xFFC99E3C66FD68D2p63L, 1.7e38L},
      {"uc_MinSingle", uc_MinSingle, 0x89040A0F4C80569Dp-212L, 1.5e-45L},
      {"uc_MaxSingle", uc_MaxSingle, 0xFFC99E3C66FD68D2p64L, 3.4e38L},
      {"uc_MinDouble", uc_MinDouble, 0x818995CE7AA0E1B2p-1137L, 5.0e-324L},
      {"uc_MaxDouble", uc_MaxDouble, 0xF2168983B9DBB274p960L, 1.7e308L},
      {"uc_MaxExtended", uc_MaxExtended, 0xECB12AED7F5875E1p16320L, 1.1e4932L},
      {"uc_lnMinDouble", uc_lnMinDouble, -0xBA1B6684AC474500p-54L, std::log(5.0e-324L)},
      {"uc_lnMaxDouble", uc_lnMaxDouble, 0xB16E847EE37C422Ep-54L, std::log(1.7e308L)},
      {"uc_lnMaxExtended", uc_lnMaxExtended, 0xB171C7AB26A28A52p-50L, std::log(1.1e4932L)},
      {"uc_lnMinExtended", uc_lnMinExtended, -0xB21B457D80BDDC0Cp-50L, std::log(3.6L) - 4951 * std::numbers::ln10_v<long double>},
      {"uc_lnMaxInt64", uc_lnMaxInt64, 0xAEAC4F97F2883BC5p-58L, std::log(9223372036854775807.0L)},
      {"uc_lnMinReal", uc_lnMinReal, -0xB178E32221D34F6Dp-57L, std::log(2.9e-39L)},
      {"uc_lnMaxReal", uc_lnMaxReal, 0xB00EC6F8CBF2E56Fp-57L, std::log(1.7e38L)},
      {"uc_lnMinSingle", uc_lnMinSingle, -0xCE6BF66052006FA1p-57L, std::log(1.5e-45L)},
      {"uc_lnMaxSingle", uc_lnMaxSingle, 0xB171AB28BB968462p-57L, std::log(3.4e38L)},
  };
  for (const ConstCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.value, c.exact);
    EXPECT_LE(std::fabs(c.value - c.reference), 4 * std::fabs(c.reference) * 0x1p-63L);
  }
}

TEST(UnivConst, ExactlyRoundedWhereTheStandardLibraryAgrees) {
  // These figures are the correctly rounded constants.
  EXPECT_EQ(uc_lge, std::numbers::log10e_v<long double>);
  EXPECT_EQ(uc_ln10, std::numbers::ln10_v<long double>);
  EXPECT_EQ(uc_PiH, std::numbers::pi_v<long double> / 2);
}

TEST(UnivConst, MinExtendedIsTheSmallestDenormal) {
  EXPECT_EQ(uc_MinExtended, std::numeric_limits<long double>::denorm_min());
  EXPECT_EQ(uc_MinExtended, std::ldexp(1.0L, -16445));
  EXPECT_EQ(uc_MinExtended / 2, 0.0L);
}

TEST(UnivConst, MaxInt64IsAnIntegerConstant) {
  static_assert(std::is_same_v<std::remove_cv_t<decltype(uc_MaxInt64)>, int64_t>);
  EXPECT_EQ(uc_MaxInt64, std::numeric_limits<int64_t>::max());
}

TEST(LnFactorial, StatedEntries) {
  EXPECT_EQ(std::size(uc_LnFactorial), 1001u);
  EXPECT_EQ(uc_LnFactorial[0], 0.0);
  EXPECT_EQ(uc_LnFactorial[1], 0.0);
  EXPECT_EQ(uc_LnFactorial[2], 0.693147180559945);
  EXPECT_EQ(uc_LnFactorial[10], 15.1044125730755);
  EXPECT_EQ(uc_LnFactorial[1000], 5912.12817848816);
  // ln 598! = 3229.4831441260450003...: only 3e-19 above the boundary
  // between two 15-digit figures, so an evaluation in double or extended
  // precision easily rounds it down.
  EXPECT_EQ(uc_LnFactorial[598], 3229.48314412605);
}

// Rounds x to 15 significant digits and back to the nearest double.
double Round15(long double x) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.14Le", x);
  return std::strtod(buf, nullptr);
}

TEST(LnFactorial, EveryEntryIsLnFactorialRoundedTo15Digits) {
  for (int n = 2; n <= 1000; ++n) {
    SCOPED_TRACE(n);
    const long double exact = std::lgamma(static_cast<long double>(n + 1));
    const double entry = uc_LnFactorial[n];
    EXPECT_LE(std::fabs(entry - exact), 1e-14L * exact);
    // Where the extended-precision value is clearly away from a rounding
    // boundary, the 15-digit rounding is decided and must match.
    const long double margin = exact * 1e-17L;
    const double lo = Round15(exact - margin), hi = Round15(exact + margin);
    if (lo == hi) {
      EXPECT_EQ(entry, lo);
    }
  }
}

}  // namespace
}  // namespace kvo
