// CExStringList: the document's ordered lines. A line is one line of the file without its line
// end, its items separated by TAB; the bytes are the file's own (NUL and CR included).
//
// Lines live in large byte blocks owned by the list, and the list keeps one view per line, so
// a million lines cost a few allocations, any line is reached by number in constant time (the
// grid paints at any scroll position at the same cost) and a loaded file is held in one block
// without a copy.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/byte_block.h"

namespace quenda {

// An opaque handle to a line of a list; false after the last line.
class POSITION {
 public:
  POSITION() = default;
  explicit operator bool() const { return m_next != 0; }
  friend bool operator==(POSITION, POSITION) = default;

 private:
  friend class CExStringList;
  explicit POSITION(std::size_t indexPlusOne) : m_next(indexPlusOne) {}
  std::size_t m_next = 0;  // index of the line + 1; 0 is no line
};

class CExStringList {
 public:
  CExStringList() = default;
  CExStringList(CExStringList&&) noexcept = default;
  CExStringList& operator=(CExStringList&&) noexcept = default;
  CExStringList(const CExStringList&) = delete;
  CExStringList& operator=(const CExStringList&) = delete;

  // Takes a block of `size` bytes and views of lines that lie inside it, without copying. The
  // loader fills a block with the file, converts it in place and hands it over this way.
  static CExStringList Adopt(ByteBlock block, std::size_t size, std::vector<std::string_view> lines);

  // Lets AddTail and AddHead refer to text that lies in `other`'s blocks instead of copying it;
  // the blocks live as long as either list needs them. Lines are never changed in place, so a
  // shared line is as good as a copy. Sorting builds its result this way.
  void ShareBlocksOf(const CExStringList& other);

  std::size_t GetCount() const { return m_lines.size(); }
  bool IsEmpty() const { return m_lines.empty(); }

  POSITION GetHeadPosition() const { return POSITION(m_lines.empty() ? 0 : 1); }
  // The line at `pos`; moves `pos` to the following line (false after the last).
  std::string_view GetNext(POSITION& pos) const {
    const std::string_view line = m_lines[pos.m_next - 1];
    pos.m_next = pos.m_next < m_lines.size() ? pos.m_next + 1 : 0;
    return line;
  }
  // Line `index` (from 0), in constant time: the grid paints any rows without a walk.
  std::string_view GetAt(std::size_t index) const { return m_lines[index]; }

  // Copies `text` after the last line / before the first line.
  POSITION AddTail(std::string_view text);
  POSITION AddHead(std::string_view text);

  // Releases every line and block, and gives wholly free heap back to the system.
  void RemoveAll();

 private:
  struct Block {
    ByteBlock bytes;
    std::size_t size;
  };
  std::string_view Store(std::string_view text);
  bool Holds(std::string_view text) const;

  std::vector<std::shared_ptr<const Block>> m_blocks;
  char* m_free = nullptr;  // unused room at the end of the newest block
  std::size_t m_freeSize = 0;
  std::vector<std::string_view> m_lines;
};

}  // namespace quenda
