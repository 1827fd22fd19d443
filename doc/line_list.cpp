#include "doc/line_list.h"

#include <malloc.h>

#include <algorithm>
#include <cstring>

namespace quenda {

namespace {

constexpr std::size_t kMinBlock = 4096;
constexpr std::size_t kMaxBlock = std::size_t(16) << 20;

}  // namespace

CExStringList CExStringList::Adopt(ByteBlock block, std::size_t size,
                                   std::vector<std::string_view> lines) {
  CExStringList list;
  if (block) list.m_blocks.push_back(std::make_shared<const Block>(Block{std::move(block), size}));
  list.m_lines = std::move(lines);
  return list;
}

void CExStringList::ShareBlocksOf(const CExStringList& other) {
  m_blocks.insert(m_blocks.begin(), other.m_blocks.begin(), other.m_blocks.end());
}

bool CExStringList::Holds(std::string_view text) const {
  return std::any_of(m_blocks.begin(), m_blocks.end(), [text](const auto& block) {
    const char* begin = block->bytes.get();
    return text.data() >= begin && text.data() + text.size() <= begin + block->size;
  });
}

std::string_view CExStringList::Store(std::string_view text) {
  if (text.empty() || Holds(text)) return text;
  if (text.size() > m_freeSize) {
    // Blocks double up to a ceiling, so copying n bytes costs few allocations.
    const std::size_t shift = std::min<std::size_t>(m_blocks.size(), 12);
    const std::size_t grown = std::min(kMinBlock << shift, kMaxBlock);
    const std::size_t size = std::max(grown, text.size());
    auto block = std::make_shared<Block>(Block{AllocateByteBlock(size), size});
    m_free = block->bytes.get();
    m_blocks.push_back(std::move(block));
    m_freeSize = size;
  }
  char* stored = m_free;
  std::memcpy(stored, text.data(), text.size());
  m_free += text.size();
  m_freeSize -= text.size();
  return {stored, text.size()};
}

POSITION CExStringList::AddTail(std::string_view text) {
  m_lines.push_back(Store(text));
  return POSITION(m_lines.size());
}

POSITION CExStringList::AddHead(std::string_view text) {
  m_lines.insert(m_lines.begin(), Store(text));
  return POSITION(1);
}

void CExStringList::RemoveAll() {
  std::vector<std::string_view>().swap(m_lines);
  std::vector<std::shared_ptr<const Block>>().swap(m_blocks);
  m_free = nullptr;
  m_freeSize = 0;
  malloc_trim(0);
}

}  // namespace quenda
