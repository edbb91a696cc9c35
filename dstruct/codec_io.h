// Buffer helpers shared by the stream codecs (internal; not part of the
// public API).
#pragma once

#include <cstddef>
#include <cstdint>

#include "kvobase/errors.h"
#include "platform/streams.h"

namespace kvo::codec_internal {

// Size of the codecs' input and output buffers.
inline constexpr int32_t kChunk = 64 * 1024;

// ReadFull
//
// Reads into buf until `size` bytes are there or a read returns 0 (the end
// of the stream); returns the count read. Streams that deliver less than
// asked before their end (pipes) are therefore read completely.
inline int32_t ReadFull(TStream* s, uint8_t* buf, int32_t size) {
  int32_t done = 0;
  while (done < size) {
    const int32_t n = s->Read(buf + done, size - done);
    if (n <= 0) break;
    done += n;
  }
  return done;
}

// Raises EKVODStructError "<fn>: no stream" when a stream is missing.
inline void RequireStreams(const char16_t* fn, const TStream* a, const TStream* b) {
  if (!a || !b) throw EKVODStructError(String(fn) + u": no stream");
}

}  // namespace kvo::codec_internal
