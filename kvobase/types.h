// The shared types of the library: enumerations, small records, growable
// array types, fixed buffers, and the callback and event types.
//
// Every enumeration is unscoped with a one-byte underlying type; ordinals
// start at 0 and follow the declared order, which is part of the interface
// (settings are stored by ordinal and by name, see kvobase/tables.h).
// The graphics value types (TColor, TPoint, TAlignment, TFontStyle,
// TFontStyles, TPenStyle) come from platform/graphics_types.h; the variant
// array type TVariantArray from platform/variant.h.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/classes.h"
#include "platform/graphics_types.h"
#include "platform/strings.h"
#include "platform/variant.h"  // TVariantArray

namespace kvo {

// ---------------------------------------------------------------------------
// Enumerations

enum TBkgFill : uint8_t { bfSimple, bfStretch, bfTile };
enum TBoundingBox : uint8_t { bbNone, bbFrame, bbFaces };
enum TColorScheme : uint8_t { csBWG, csSystem };
enum TDecPSep : uint8_t { dsSystem, dsDot, dsComma, dsBoth };
enum TFigType : uint8_t { ftNoFigs, ftNum, ftTime, ftDateTime, ftUserText };
enum TScaleType : uint8_t { sctXB, sctXT, sctYL, sctYR };
enum TVerticalAlignment : uint8_t { vaTop, vaCenter, vaBottom };
enum TYearLength : uint8_t { ylNone, ylYY, ylYYYY };
enum TDateOrder : uint8_t { doMMDDYY, doDDMMYY, doYYMMDD };
enum TDateForTime : uint8_t { dtNone, dtOnePerChart, dtOnePerDay, dtAllTicks };
enum TShadowStyle : uint8_t { ssFlying, ssBox };
enum TFrameStyle : uint8_t { fsNone, fsSimple, fsLowered, fsRaised, fsEmbossed, fsEngraved };
enum TDistMode : uint8_t { dmJaccard, dmManhattan, dmEuclid, dmEuclidSqr, dmDice, dmUserDef };
enum TTimeFormat : uint8_t { tfHHMMSS, tfHHhMM, tfAMPM };
enum TDirection : uint8_t { dirUpward, dirDownward, dirLeftward, dirRightward };
enum TOrientation : uint8_t { orVert, orHoriz };
enum TEdgeOp : uint8_t { eopMin, eopMax, eopSum, eopMean };
enum TAxis : uint8_t { atXAxis, atYAxis, atZAxis };
// The four dimensions of a TCellPosition4D.
enum TDims : uint8_t { dimX, dimY, dimL, dimT };
enum TTriState : uint8_t { tsFalse, tsTrue, tsUndefined };
enum TCrossHMode : uint8_t { chOff, chHoriz, chVert, chBoth, chCrossBox, chBox };
enum TTxtLblAttachMode : uint8_t { tlamNone, tlamXOnly, tlamYOnly, tlamBoth };
// Note the lower-case s of tlsimple.
enum TTxtLblMode : uint8_t { tlOff, tlsimple, tlBox, tlUnderline, tlShadow };
enum TDegreeFormat : uint8_t { dfDeg, dfDegMin, dfDegMinSec, dfNumeric };
enum TCSVDelimiters : uint8_t { csvUnknown, csvBlank, csvSemicolon, csvComma, csvColon, csvTab };
enum TZoomPanMode : uint8_t { zpmPan, zpmColZoomLeft, zpmColZoomRight };
enum TLanguage : uint8_t { lgUnknown, lgEnglish, lgGerman, lgFrench, lgSpanish };
// Kinds of numeric and other values: real, double, single, integer, long
// integer, Boolean and string. (A program that also includes X11's Xlib.h,
// which defines a macro named Bool, must include that header after this one
// and #undef Bool before using this enumerator.)
enum TVarKind : uint8_t { rnum, dnum, snum, inum, lnum, Bool, strg };
enum TMouseBoxState : uint8_t { msNormal, msFirstCorner, msRectDraw, msFinished };
enum TMouseActMode : uint8_t {
  maNone,
  maPan,
  maPanHoriz,
  maPanVert,
  maPanGrid,
  maRubberBand,
  maZoom,
  maZoomWind,
  maZoomWindPos,
  maZoomDrag,
  maDragCrossH,
  maDragLabel,
  maRotate,
  maRotAndZoom,
  maRotXOnly,
  maRotZOnly,
  maSelectRect,
  maDrawMTrace,
  maZoomPanColors
};
enum TZoomState : uint8_t { zsNormal, zsDrawWin };

// ---------------------------------------------------------------------------
// Records (fields in the stated order, no padding beyond alignment)

struct TPointDouble {
  double X = 0.0;
  double Y = 0.0;

  friend constexpr bool operator==(const TPointDouble&, const TPointDouble&) = default;
};

// A point with a flag word and a colour; padded to 24 bytes by alignment.
struct TColoredPoint {
  double X = 0.0;
  double Y = 0.0;
  uint16_t Flag = 0;
  TColor Color = 0;

  friend constexpr bool operator==(const TColoredPoint&, const TColoredPoint&) = default;
};

// A cell position in four dimensions (see TDims).
struct TCellPosition4D {
  int32_t X = 0;
  int32_t Y = 0;
  int32_t L = 0;
  int32_t T = 0;

  friend constexpr bool operator==(const TCellPosition4D&, const TCellPosition4D&) = default;
};

// TRectDouble
//
// A rectangle of four doubles. Its corners are also reachable as points:
// TopLeft() is (Left, Top) and BottomRight() is (Right, Bottom). The corners
// are accessor functions instead of an overlaid union member, which would
// make reading one view after writing the other undefined in C++; the
// setters write the same storage, so SetTopLeft({1, 2}) makes Left 1 and
// Top 2. The memory layout is the four doubles in order, as before.
struct TRectDouble {
  double Left = 0.0;
  double Top = 0.0;
  double Right = 0.0;
  double Bottom = 0.0;

  constexpr TPointDouble TopLeft() const { return {Left, Top}; }
  constexpr TPointDouble BottomRight() const { return {Right, Bottom}; }
  constexpr void SetTopLeft(const TPointDouble& P) {
    Left = P.X;
    Top = P.Y;
  }
  constexpr void SetBottomRight(const TPointDouble& P) {
    Right = P.X;
    Bottom = P.Y;
  }

  friend constexpr bool operator==(const TRectDouble&, const TRectDouble&) = default;
};

// The four corners of a quadrilateral, indexed 0 to 3.
using TQuad = std::array<TPoint, 4>;

// ---------------------------------------------------------------------------
// Growable arrays (the 2-, 3- and 4-dimensional kinds are vectors of
// vectors, each inner vector sized on its own). TBoolArray is
// std::vector<bool>, the packed specialisation: its elements are proxies, so
// a single element cannot be bound to a bool&.

using TPDblArray = std::vector<TPointDouble>;
using TPIntArray = std::vector<TPoint>;
using TSingleArray = std::vector<float>;
using TDoubleArray = std::vector<double>;
using TDouble2DArray = std::vector<TDoubleArray>;
using TDouble3DArray = std::vector<TDouble2DArray>;
using TDouble4DArray = std::vector<TDouble3DArray>;
using TIntArray = std::vector<int32_t>;
using TInt2DArray = std::vector<TIntArray>;
using TInt3DArray = std::vector<TInt2DArray>;
using TInt4DArray = std::vector<TInt3DArray>;
using TBoolArray = std::vector<bool>;
using TBool2DArray = std::vector<TBoolArray>;
using TStrArray = std::vector<String>;
using TStr2DArray = std::vector<TStrArray>;
using TBytes = std::vector<uint8_t>;

// ---------------------------------------------------------------------------
// Fixed buffers

// 4096 and 16384 bytes, indexed from 0.
using TBuf4096 = std::array<uint8_t, 4096>;
using TBuf16K = std::array<uint8_t, 16384>;

// TDataBuffer
//
// Raw memory of any length seen as bytes. It is used only as the target of
// a pointer: a TDataBuffer* addresses the first byte of a block, and
// p[0] .. p[n-1] are its n bytes (indexed from 0). It is the byte type itself,
// not an array object of the full extent, so that no code ever forms a
// reference to more memory than the block holds; DataBufferExtent is the
// largest length such a block may be given (the largest 32-bit signed count).
using TDataBuffer = uint8_t;
inline constexpr int32_t DataBufferExtent = 2147483647;

// ---------------------------------------------------------------------------
// Callbacks and events. None returns a value; an empty std::function means
// "no handler". Events bound to an object get the object that fires them as
// Sender.

// Receives the progress value of a long computation.
using FeedBackProcType = std::function<void(double StateCnt)>;
// Receives the progress value and the percentage done.
using TFeedbackProc = std::function<void(TObject* Sender, double StateCnt, double PercentDone)>;
// Told when a sort exchanges two items (ExchgWhat says what is exchanged).
using TSortExchgEvent = std::function<void(TObject* Sender, uint8_t ExchgWhat, int32_t index1,
                                           int32_t index2, int32_t first, int32_t last)>;
using TZoomPanEvent = std::function<void(TObject* Sender)>;
using TSelectRectEvent = std::function<void(TObject* Sender, int32_t Layer, double LoX, double LoY,
                                            double HiX, double HiY)>;
using TOnPercentDoneEvent = std::function<void(TObject* Sender, int32_t PercentDone)>;
// The handler sets Abort to true to ask the caller to stop.
using TOnCheckAbortEvent = std::function<void(TObject* Sender, bool& Abort)>;
using TOnRubberBandActionEvent = std::function<void(TObject* Sender, TPoint APoint)>;

}  // namespace kvo
