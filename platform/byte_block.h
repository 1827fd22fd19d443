// Large byte blocks for file contents: one allocation, not zeroed, and backed by huge pages
// where the system allows, so reading a big file into memory takes few page faults.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <memory>

namespace quenda {

struct ByteBlockFree {
  void operator()(char* p) const { std::free(p); }
};
using ByteBlock = std::unique_ptr<char[], ByteBlockFree>;

// Never null: throws std::bad_alloc when memory runs out.
ByteBlock AllocateByteBlock(std::size_t size);

}  // namespace quenda
