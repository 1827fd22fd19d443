// CLumoraDoc: the lines of the open file and the operations on them. Every operation returns
// a Status; the window decides which failures it reports, the batch tool reports them all.
// Operations build their result aside and put it in place only when it is complete, so a
// failed or cancelled operation leaves the document as it was.
#pragma once

#include <string>

#include "doc/line_list.h"
#include "doc/writers.h"
#include "platform/code_page.h"
#include "platform/progress.h"
#include "platform/status.h"

namespace quenda {

// Titles shown in the caption while an operation runs.
inline constexpr const char* kSortingTitle = "Sorting now...";
inline constexpr const char* kPickingOutTitle = "Picking up now...";

struct SortSpec {
  std::size_t item = 0;         // from 0
  bool ascending = true;
  bool keepFirstLine = false;   // the first line is a header: left out and kept first
};

// The lines of `lines` in the order of `spec`; nothing when cancelled.
bool SortLines(const CExStringList& lines, const SortSpec& spec, CodePage cp,
               CExStringList& sorted, Progress* progress = nullptr);

class CLumoraDoc {
 public:
  CExStringList m_lines;

  CodePage codePage() const { return m_codePage; }
  const std::string& GetTitle() const { return m_title; }
  void SetTitle(std::string title) { m_title = std::move(title); }

  // Replaces the lines with those of `path` (TSV by name, else CSV). On failure the lines stay.
  Status LoadFile(const std::string& path, Progress* progress = nullptr);
  // Writes the lines as CSV or TSV, chosen by the name; the lines never change.
  Status SaveFile(const std::string& path, Progress* progress = nullptr) const;
  // Reorders the lines; the title reads "Sorting now..." meanwhile.
  Status SortByItem(const SortSpec& spec, Progress* progress = nullptr);
  // Writes one item of every line to `fileName`; the title reads "Picking up now..." meanwhile.
  Status PickOutItem(const PickOutSpec& spec, const std::string& fileName,
                     Progress* progress = nullptr);

  // Puts lines read or sorted elsewhere (by a worker thread) in place.
  void ReplaceLines(CExStringList lines, CodePage cp) {
    m_lines.RemoveAll();  // and give the old file's memory back to the system
    m_lines = std::move(lines);
    m_codePage = cp;
  }

 private:
  CodePage m_codePage = CodePage::Utf8;
  std::string m_title;
};

}  // namespace quenda
