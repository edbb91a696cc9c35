// Conversions between RGB and the HSL, HSV, HSI, CMY, CMYK and gray models.
//
// Conventions shared by all of them:
// - R, G, B are integers 0 .. 255; hue H is in degrees (normally
//   0 <= H < 360); S, L, V, I and C, M, Y, K are fractions 0 .. 1.
// - "round" is to the nearest integer with exact halves to the even
//   neighbour, independent of the floating-point rounding mode.
// - The ColorTo... forms split the colour's low three bytes into R, G, B and
//   call the RGBto... form; the ...toColor forms call the ...toRGB form and
//   pack its results (low bytes only, high byte zero).
// - Nothing raises. Inputs are clamped where each function says so; NaN
//   counts as 0 wherever a value is clamped or a hue normalised.
#pragma once

#include <cstdint>

#include "platform/graphics_types.h"

namespace kvo {

// RGBtoHSL
//
// r, g, b = R/255, G/255, B/255 clamped to 0 .. 1 (so 300 counts as 255);
// d = max - min. A gray (d = 0) gives H = 0, S = 0. Otherwise the hue comes
// from the largest channel, ties going to red, then green; L = (max + min)/2
// and S = d / (1 - |2L - 1|). (128, 128, 128) gives H 0, S 0, L 128/255.
void RGBtoHSL(int32_t R, int32_t G, int32_t B, double& H, double& S, double& L);
void ColorToHSL(TColor Color, double& H, double& S, double& L);

// HSLtoRGB
//
// The hue is normalised by one turn (H < 0: +360; H > 360: -360; exactly
// 360 counts as 0), S and L are clamped to 0 .. 1, and the colour is built
// from chroma (1 - |2L - 1|) * S by 60-degree sector; each channel is
// round(255 * value).
// Decided: a hue still outside 0 .. 360 after one turn (H <= -360 or
// H >= 720) is reduced modulo 360, so every hue names the colour of its
// angle; an infinite or NaN hue counts as 0.
void HSLtoRGB(double H, double S, double L, int32_t& R, int32_t& G, int32_t& B);
TColor HSLtoColor(double H, double S, double L);

// RGBtoHSV
//
// Works on the integers as given (not clamped). max starts with R and is
// replaced only by a strictly larger G, then a strictly larger B (ties go to
// red, then green); V = max/255. Black (max = 0) gives H = 0, S = 0. Other
// grays give S = 0 and H = -1 (no hue). Otherwise S = d/max and H comes from
// the winning channel, in degrees, 360 added when negative.
void RGBtoHSV(int32_t R, int32_t G, int32_t B, double& H, double& S, double& V);
void ColorToHSV(TColor Color, double& H, double& S, double& V);

// HSVtoRGB
//
// S and V are clamped to 0 .. 1. A hue below 0 or at or above 360 (or NaN)
// is replaced by 0, not wrapped: H = -30 and H = 360 both give pure red at
// S = V = 1. S = 0 gives the gray round(255 * V).
void HSVtoRGB(double H, double S, double V, int32_t& R, int32_t& G, int32_t& B);
TColor HSVtoColor(double H, double S, double V);

// RGBtoHSI
//
// max, its channel, min and d as in RGBtoHSV; I = ((R + G + B)/3)/255.
// Black gives H = 0, S = 0; otherwise S = 1 - (min/255)/I, and a gray
// (S = 0) gives H = -1; otherwise H as in RGBtoHSV.
// Decided: channels outside 0 .. 255 that sum to 0 without being black
// (I = 0, which would divide by zero) give H = 0, S = 0 like black.
void RGBtoHSI(int32_t R, int32_t G, int32_t B, double& H, double& S, double& I);
void ColorToHSI(TColor Color, double& H, double& S, double& I);

// HSItoRGB
//
// H is normalised as in HSLtoRGB (the same decision for far-out hues), S
// and I are clamped to 0 .. 1. With z = 1 - |2 frac(H/120) - 1|,
// c = 3 I S / (1 + z) and x = c z by sector as in HSLtoRGB; m = (1 - S) I is
// added to each channel, each sum limited to 1, and each channel is
// round(255 * value).
void HSItoRGB(double H, double S, double I, int32_t& R, int32_t& G, int32_t& B);
TColor HSItoColor(double H, double S, double I);

// RGBtoCMY
//
// C = 1 - R/255, M = 1 - G/255, Y = 1 - B/255.
void RGBtoCMY(uint8_t R, uint8_t G, uint8_t B, double& C, double& M, double& Y);

// CMYtoRGB
//
// C, M, Y clamped to 0 .. 1; R = round((1 - C) * 255) and so on.
void CMYtoRGB(double C, double M, double Y, uint8_t& R, uint8_t& G, uint8_t& B);

// CMYtoCMYK
//
// Clamps C, M, Y to 0 .. 1 in place, sets K to the smallest of them and
// subtracts K from each (no division by 1 - K): (0.2, 0.5, 0.7) gives
// K = 0.2 and (0, 0.3, 0.5).
void CMYtoCMYK(double& C, double& M, double& Y, double& K);

// CMYKtoCMY
//
// Adds K to each of C, M, Y and clamps each to 0 .. 1.
void CMYKtoCMY(double& C, double& M, double& Y, double K);

// RGBtoGray
//
// round(0.30 R + 0.59 G + 0.11 B). The weights are the exact decimal
// fractions: the sum is formed exactly (30 R + 59 G + 11 B in 64-bit
// integers, divided by 100), so a value that is exactly half-way, such as
// (5, 0, 0) = 1.5, rounds to even without depending on binary fractions.
// Channels outside 0 .. 255 are used as they stand; the result is limited to
// the 32-bit range. (0, 0, 255) gives 28, (255, 255, 255) 255.
int32_t RGBtoGray(int32_t R, int32_t G, int32_t B);

// RGBtoGrayColor
//
// The gray value of RGBtoGray packed into all three channels (low byte).
TColor RGBtoGrayColor(int32_t R, int32_t G, int32_t B);

// ColorToGray, ColorToGrayColor
//
// RGBtoGray and RGBtoGrayColor of the colour's channels.
int32_t ColorToGray(TColor Color);
TColor ColorToGrayColor(TColor Color);

}  // namespace kvo
