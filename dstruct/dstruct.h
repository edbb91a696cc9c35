// Data structures: the pooled string table, feature matrices, associative
// arrays, bit fields, byte matrices, FIFOs, run-length coding, checksums,
// codecs and combinatorics.
#pragma once
