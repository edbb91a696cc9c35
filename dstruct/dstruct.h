// Data structures: the pooled string table, feature matrices, associative
// arrays, bit fields, byte matrices, FIFOs, run-length coding, checksums,
// codecs and combinatorics.
#pragma once
#include "dstruct/bitfld.h"
#include "dstruct/bytematrix.h"
#include "dstruct/fifo.h"
#include "dstruct/rle.h"
#include "dstruct/stringaccu.h"
#include "dstruct/combinatorics.h"
#include "dstruct/checksum.h"
#include "dstruct/codec.h"
