#include "doc/document.h"

#include "doc/loader.h"

namespace quenda {

namespace {

// Shows `title` in the caption while an operation runs and puts the old one back after it.
class TitleWhileRunning {
 public:
  TitleWhileRunning(CLumoraDoc& doc, const char* title) : m_doc(doc), m_saved(doc.GetTitle()) {
    m_doc.SetTitle(title);
  }
  ~TitleWhileRunning() { m_doc.SetTitle(m_saved); }
  TitleWhileRunning(const TitleWhileRunning&) = delete;
  TitleWhileRunning& operator=(const TitleWhileRunning&) = delete;

 private:
  CLumoraDoc& m_doc;
  std::string m_saved;
};

}  // namespace

Status CLumoraDoc::LoadFile(const std::string& path, Progress* progress) {
  LoadedFile loaded;
  Status status = ReadLinesFile(path, loaded, progress);
  if (status.ok()) ReplaceLines(std::move(loaded.lines), loaded.codePage);
  return status;
}

Status CLumoraDoc::SaveFile(const std::string& path, Progress* progress) const {
  return WriteLinesFile(m_lines, path, progress);
}

Status CLumoraDoc::SortByItem(const SortSpec& spec, Progress* progress) {
  TitleWhileRunning title(*this, kSortingTitle);
  CExStringList sorted;
  if (!SortLines(m_lines, spec, m_codePage, sorted, progress)) return Status::Cancelled();
  m_lines = std::move(sorted);
  return Status::Ok();
}

Status CLumoraDoc::PickOutItem(const PickOutSpec& spec, const std::string& fileName,
                               Progress* progress) {
  TitleWhileRunning title(*this, kPickingOutTitle);
  return WritePickOutFile(m_lines, spec, fileName, progress);
}

}  // namespace quenda
