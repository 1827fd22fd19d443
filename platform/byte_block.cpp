#include "platform/byte_block.h"

#include <sys/mman.h>

#include <new>

namespace quenda {

namespace {

constexpr std::size_t kHugePage = std::size_t(2) << 20;

}  // namespace

ByteBlock AllocateByteBlock(std::size_t size) {
  if (size < 2 * kHugePage) {
    void* p = std::malloc(size == 0 ? 1 : size);
    if (!p) throw std::bad_alloc();
    return ByteBlock(static_cast<char*>(p));
  }
  const std::size_t rounded = (size + kHugePage - 1) / kHugePage * kHugePage;
  void* p = std::aligned_alloc(kHugePage, rounded);
  if (!p) throw std::bad_alloc();
  (void)::madvise(p, rounded, MADV_HUGEPAGE);  // a hint; without it the block still works
  return ByteBlock(static_cast<char*>(p));
}

}  // namespace quenda
