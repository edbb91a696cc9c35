// Internal switches of the checksum code: which processor paths are in use,
// and a way to force the portable paths so that tests and benchmarks can
// check both on a processor that has the instructions. Not part of the
// public API (dstruct/dstruct.h does not include this header).
#pragma once

namespace kvo::checksum_internal {

// ForcePortable
//
// true: CRC-32 and SHA-1 use only their portable code from now on;
// false: they use the processor's instructions again where it has them.
// Results never differ. Not to be called while another thread checksums.
void ForcePortable(bool force);

// CRC32UsesCarrylessMultiply, SHA1UsesShaInstructions
//
// Whether the next call takes the hardware path (the processor has the
// instructions and ForcePortable(true) is not in effect).
bool CRC32UsesCarrylessMultiply();
bool SHA1UsesShaInstructions();

// PortableForced
//
// Whether ForcePortable(true) is in effect.
bool PortableForced();

}  // namespace kvo::checksum_internal
