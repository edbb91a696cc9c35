// TColorArray: a resizable palette of colours with a backup copy,
// transformations, nearest-colour search and a small text file format.
//
// Positions are 1-based: colour 1 .. Size(). Reading outside that range
// gives the nearest end colour; writing outside it does nothing.
//
// Palette text file: a header line "<first> <last>" (decimal), then one line
// per position first .. last holding the colour's full 32-bit value as eight
// upper-case hexadecimal digits (00FF0000 is blue). Lines end with CR LF;
// only ASCII is written.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/classes.h"
#include "platform/graphics_types.h"
#include "platform/strings.h"
#include "platform/textfile.h"

namespace kvo {

// MaxColorArraySize
//
// The largest Size a palette may take: 2^20 colours (4 MiB per array). A
// palette file is small text, so a header asking for more is not a palette
// we would write; the limit keeps a hostile header from allocating
// gigabytes.
inline constexpr int32_t MaxColorArraySize = 1 << 20;

class TColorArray : public TComponent {
 public:
  // Creates a palette of 1000 colours filled with FillByInterpolation(0,
  // ColorArray_Rainbow) and backed up. OnChange is unset, so nothing is
  // notified. Raises EKVOColArrayError "Component \"<Name>\": not enough
  // memory on heap" when the arrays cannot be obtained.
  explicit TColorArray(TComponent* AOwner = nullptr);
  ~TColorArray() override;

  // Assign
  //
  // From a TColorArray: copies Size, the colours and the backup colours.
  // OnChange is not copied and nothing is notified. Any other source (or
  // nullptr) goes to the base class, which raises EConvertError
  // ("Cannot assign a nil to a TColorArray" for nullptr).
  void Assign(const TPersistent* Source) override;
  // AssignTo
  //
  // Into a TColorArray: Dest->Assign(this). Other destinations go to the
  // base class, which raises EConvertError.
  void AssignTo(TPersistent* Dest) const override;

  // Changed
  //
  // Fires OnChange with this palette as Sender (nothing when unset).
  void Changed();

  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Handler) { FOnChange = std::move(Handler); }

  // Size, SetSize
  //
  // The number of colours, always >= 1. SetSize ignores a value below 1 or
  // equal to the current size; otherwise both arrays get the new length
  // (colours 1 .. min(old, new) kept, new positions black) and Changed is
  // called. Raises EKVOColArrayError "Component \"<Name>\": not enough
  // memory" when the memory cannot be obtained, and also for a size above
  // MaxColorArraySize (the palette is then unchanged).
  int32_t Size() const { return FNColors; }
  void SetSize(int32_t Value);

  // GetColorElem
  //
  // The colour at position ix; ix < 1 gives colour 1, ix > Size the last.
  TColor GetColorElem(int32_t ix) const;

  // SetColorElem
  //
  // Stores Value at position ix and calls Changed when 1 <= ix <= Size;
  // otherwise does nothing and notifies nothing.
  void SetColorElem(int32_t ix, TColor Value);

  // Fill
  //
  // Every position gets Color; Changed.
  void Fill(TColor Color);

  // FillByInterpolation
  //
  // Samples the list Colors over the palette: with n = count - 1 and
  // N = Size, position i takes k = i (or, when DiscreteLevels > 0, k =
  // round(round(i / N * DiscreteLevels) * (N / DiscreteLevels)), which
  // quantises the palette into bands), j = trunc((k - 1) * n / N),
  // t = n * k / N - j and gets InterpolateColor(Colors[j], Colors[j + 1], t).
  // The last position is exactly the last colour given. A single colour fills
  // every position with it. Changed is called once at the end.
  // Decided: an empty list leaves the palette unchanged and notifies nothing.
  // With more colours than positions (n > N) the rule above would give
  // t > 1 and sample the wrong colours (the last position would not get the
  // last colour), so there j = floor(n * k / N), held to 0 .. n - 1, and
  // t = n * k / N - j: each position samples the list at k / N as intended,
  // and a band before the first colour (k = 0 with DiscreteLevels > 0)
  // takes the first colour.
  void FillByInterpolation(int32_t DiscreteLevels, std::span<const TColor> Colors);

  // LogTransform
  //
  // Stretches the low end of the palette logarithmically, in place: Gamma is
  // clamped to 0 .. 1 (NaN gives 0), and for i = 1 .. N in ascending order
  // position i receives the colour then at j = round(ln(i) * Gamma * N /
  // ln(N) + (1 - Gamma) * (i - 1)) + 1, at most N (j >= i, so it is not yet
  // overwritten). Gamma 0 changes nothing; Gamma 1 keeps the first and the
  // last colour. Changed at the end.
  // Decided: a palette of Size 1 (ln 1 = 0 in the divisor) stays as it is;
  // Changed is still called.
  void LogTransform(double Gamma);

  // ColorToIndex
  //
  // The position of the colour nearest to cl by RGBColorDistance, and that
  // distance. Starts from position 1 and distance 1.0 and takes a position
  // only when strictly nearer, so ties keep the lowest position, and when
  // nothing is nearer than 1.0 the result is 1 with distance 1.0.
  int32_t ColorToIndex(TColor cl, double& distance) const;

  // CopyFrom
  //
  // Copies source positions SourceElemLo .. SourceElemHi (each clamped to
  // 1 .. source Size, exchanged when Hi < Lo) to positions DestElem,
  // DestElem + 1, ...; colours whose destination falls outside 1 .. Size are
  // skipped. Changed once at the end. Nothing happens (and nothing is
  // notified) when ColArraySource is nullptr.
  // The source range is read before anything is written, so copying within
  // one palette behaves like a move of overlapping memory: the colours
  // arrive as they were before the call.
  void CopyFrom(const TColorArray* ColArraySource, int32_t SourceElemLo, int32_t SourceElemHi,
                int32_t DestElem);

  // IsEqual
  //
  // True when OtherColorArray has the same Size and the same colour at every
  // position (backups are not compared). Decided: nullptr gives false.
  bool IsEqual(const TColorArray* OtherColorArray) const;

  // MirrorColors
  //
  // Reverses the order of the colours; Changed.
  void MirrorColors();

  // InvertColors
  //
  // Every colour replaced by InvertColor of it (high byte cleared); Changed.
  void InvertColors();

  // ReverseRGB
  //
  // Every colour replaced by ReverseRGBColor of it (high byte cleared);
  // Changed.
  void ReverseRGB();

  // Backup
  //
  // Copies the colours into the backup array; no notification.
  void Backup();

  // Restore
  //
  // Copies the backup colours back; Changed.
  void Restore();

  // WriteToOpenTextFile
  //
  // Writes the palette text format to a file the caller opened for writing
  // (and will close), from its current position. FirstElem and LastElem are
  // exchanged when FirstElem > LastElem, then FirstElem is raised to at least
  // 1 and LastElem lowered to at most Size; the header holds these values. If
  // FirstElem then exceeds LastElem only the header is written. Returns true
  // when every line was written, false when writing failed (the error is not
  // raised).
  bool WriteToOpenTextFile(TTextFile& F, int32_t FirstElem, int32_t LastElem) const;

  // ReadFromOpenTextFile
  //
  // Reads the palette text format from a file the caller opened for reading
  // (and will close), from its current position:
  // 1. Reads two integers first and last (TTextFile::ReadInteger: blanks,
  //    tabs and line ends may precede each) and skips the rest of the line.
  //    A failure here returns false with nothing changed or notified.
  // 2. With AdjustSize the palette is resized to last (SetSize rules; a
  //    last below 1 is ignored, and a last above MaxColorArraySize is not
  //    applied, so the next step fails).
  // 3. If last > Size, nothing more is read, the result is false and
  //    Changed is called.
  // 4. Otherwise one line is read per position first .. last and parsed by
  //    HexStrToColor (an empty line gives 0); SetColorElem stores it, which
  //    ignores positions outside 1 .. Size (the line is consumed all the
  //    same) and notifies for each colour stored. Lines missing at the end of
  //    the file read as empty, so their positions get 0. Changed is called
  //    once more at the end and the result is true.
  // Never raises: an error of the text file is reported as false. The work
  // is bounded by the file's lines plus Size, whatever the header says.
  bool ReadFromOpenTextFile(TTextFile& F, bool AdjustSize);

  // StoreOnFile
  //
  // Creates (or overwrites) FileName and writes positions FirstElem ..
  // LastElem with WriteToOpenTextFile. False when the file cannot be created
  // or any error occurs; never raises.
  bool StoreOnFile(int32_t FirstElem, int32_t LastElem, const String& FileName) const;

  // LoadFromFile
  //
  // Opens FileName for reading and reads it with ReadFromOpenTextFile. False
  // when the file cannot be opened or any error occurs; never raises.
  bool LoadFromFile(const String& FileName, bool AdjustSize);

 private:
  int32_t FNColors = 0;
  std::vector<TColor> FColArray;     // position k is entry k - 1
  std::vector<TColor> FColArrayBak;  // always as long as FColArray
  TNotifyEvent FOnChange;
};

}  // namespace kvo
