// Fuzz target for TFifo: the input bytes drive a sequence of operations
// (two bytes each: an operation code and an argument), checked after every
// step against a std::deque model of the same capacity.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <deque>

#include "dstruct/fifo.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kvo::TFifo fifo;
  std::deque<uint8_t> model;
  size_t capacity = 255;
  if (size > 0) {
    const int32_t n = data[0] % 40 + 1;
    fifo.SetSize(n);
    capacity = static_cast<size_t>(n) - 1;
  }
  for (size_t i = 1; i + 1 < size; i += 2) {
    const uint8_t op = data[i] % 9;
    const uint8_t arg = data[i + 1];
    uint8_t got = 0;
    switch (op) {
      case 0: {
        const bool ok = model.size() < capacity;
        Check(fifo.PutByte(arg) == ok);
        if (ok) model.push_back(arg);
        break;
      }
      case 1: {
        const bool drop = capacity > 0 && model.size() == capacity;
        Check(fifo.ForceByte(arg) == drop);
        if (drop) model.pop_front();
        if (capacity > 0) model.push_back(arg);
        break;
      }
      case 2: {
        const bool ok = model.size() < capacity;
        Check(fifo.LoadBack(arg) == ok);
        if (ok) model.push_front(arg);
        break;
      }
      case 3:
      case 4:
        got = static_cast<uint8_t>(arg ^ 0x5A);
        if (model.empty()) {
          Check(!fifo.GetByte(got) && got == static_cast<uint8_t>(arg ^ 0x5A));
        } else {
          Check(fifo.GetByte(got) && got == model.front());
          model.pop_front();
        }
        break;
      case 5: {
        const int32_t ix = static_cast<int8_t>(arg);
        const bool ok = ix >= 0 && static_cast<size_t>(ix) < model.size();
        Check(fifo.SenseByte(ix, got) == ok);
        if (ok) Check(got == model[static_cast<size_t>(ix)]);
        break;
      }
      case 6: {
        const int32_t n = static_cast<int8_t>(arg) % 48;  // also 0 and negative
        fifo.SetSize(n);
        if (n > 0) {
          capacity = static_cast<size_t>(n) - 1;
          if (model.size() > capacity) model.resize(capacity);
        }
        break;
      }
      case 7:
        if (arg < 16) {
          fifo.Clear();
          model.clear();
        }
        break;
      default:
        break;
    }
    Check(fifo.CountBytes() == static_cast<int32_t>(model.size()));
    Check(static_cast<size_t>(fifo.Size()) == capacity + 1);
  }
  uint8_t b = 0;
  for (uint8_t v : model) Check(fifo.GetByte(b) && b == v);
  Check(!fifo.GetByte(b));
  return 0;
}
