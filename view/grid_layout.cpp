#include "view/grid_layout.h"

#include <algorithm>
#include <limits>

#include "doc/items.h"
#include "doc/line_list.h"
#include "platform/text_columns.h"

namespace quenda {

namespace {

constexpr std::int64_t kLeftMargin = 10;

class GridBuilder {
 public:
  GridBuilder(const GridLines& lines, const GridMetrics& metrics, const GridSettings& settings,
              const GridViewport& viewport)
      : m_lines(lines),
        m_metrics(metrics),
        m_settings(settings),
        m_viewport(viewport),
        m_W(metrics.aveCharWidth),
        m_halfW(metrics.aveCharWidth / 2),
        m_right(viewport.x + viewport.width) {
    m_out.rowPitch = std::int64_t{metrics.height} + 2;
    m_out.cellPitch = (std::int64_t{settings.column} + 1) * m_W;
    m_out.borderCount = settings.borderCount;
  }

  // The right end of a row rule whose tail starts at `tailX`.
  std::int64_t RuleEnd(std::int64_t tailX) const {
    return tailX + std::int64_t{m_settings.column} * m_W + m_halfW;
  }

  // Takes `line` as the reference line: it fixes the number of borders and the extent.
  void TakeReference(std::string_view line) {
    const std::int64_t items = static_cast<std::int64_t>(CountItems(line));
    m_out.borderCount =
        static_cast<int>(std::min<std::int64_t>(items + 1, std::numeric_limits<int>::max()));
    m_out.extent = GridExtent{items * (std::int64_t{m_settings.column} + 2) * m_W + 20,
                              static_cast<std::int64_t>(m_lines.count) * m_out.rowPitch};
  }

  void AddRun(std::int64_t x, std::int64_t y, std::string_view bytes) {
    if (!bytes.empty() && x < m_right) m_out.runs.push_back({x, y, bytes});
  }

  // One row: at most `borderCount` cells cut at their TABs and clipped, then the rest of the
  // line, TABs included, as an unclipped tail. Returns the left edge of the tail.
  std::int64_t LayoutRow(std::string_view line, std::int64_t y) {
    if (m_out.borderCount == -1) TakeReference(line);
    // A UTF-8 file's byte-order mark stays in its first line but is not text to show.
    if (m_lines.codePage == CodePage::Utf8 && line.starts_with(kUtf8ByteOrderMark)) {
      line.remove_prefix(kUtf8ByteOrderMark.size());
    }
    std::int64_t x = kLeftMargin;
    std::size_t start = 0;
    std::int64_t cells = 0;
    std::size_t tab = line.find('\t');
    while (tab != std::string_view::npos && cells < m_out.borderCount) {
      if (x < m_right) {
        // A cell and a tail both lose one leading and one trailing double quote; a lone quote
        // shows nothing either way.
        const std::string_view shown = StripOuterQuotes(line.substr(start, tab - start));
        AddRun(x, y, shown.substr(0, ClipCellBytes(shown, m_settings.column, m_lines.codePage)));
      }
      x += m_out.cellPitch;
      ++cells;
      start = tab + 1;
      tab = line.find('\t', start);
    }
    AddRun(x, y, StripOuterQuotes(line.substr(start)));
    if (m_settings.spreadSheet) m_out.rowRules.push_back({0, RuleEnd(x), y - 1});
    return x;
  }

  void AddBorders(std::int64_t bottom) {
    CellBorders borders;
    borders.bottom = bottom;
    const std::int64_t P = m_out.cellPitch;
    const auto xOf = [&](std::int64_t j) { return kLeftMargin + j * P - m_halfW; };
    std::int64_t j = 0;
    if (P > 0) j = std::max<std::int64_t>(0, (m_viewport.x - xOf(0)) / P);
    for (; j < m_out.borderCount; ++j) {
      const std::int64_t x = xOf(j);
      if (P > 0 && x >= m_right) break;
      if (x >= m_viewport.x && x < m_right) borders.xs.push_back(x);
    }
    m_out.borders = std::move(borders);
  }

  GridLayout Build() {
    const std::int64_t H = m_out.rowPitch;
    m_out.firstRow = static_cast<std::size_t>(std::max<std::int64_t>(0, m_viewport.y) / H);
    m_out.rowsToVisit =
        static_cast<std::size_t>(std::max(0, m_viewport.height) / std::max(1, m_metrics.height)) +
        2;
    std::int64_t y = std::max<std::int64_t>(static_cast<std::int64_t>(m_out.firstRow) * H + 1, 1);
    std::optional<std::int64_t> lastTailX;
    for (std::size_t row = m_out.firstRow;
         row < m_lines.count && m_out.rowsDrawn < m_out.rowsToVisit; ++row) {
      lastTailX = LayoutRow(m_lines.at(row), y);
      ++m_out.rowsDrawn;
      y += H;
    }
    if (m_settings.spreadSheet && m_lines.count > 0) {
      if (lastTailX) m_out.bottomRule = HorizontalRule{0, RuleEnd(*lastTailX), y - 1};
      if (m_out.borderCount != -1) AddBorders(y);
    }
    return std::move(m_out);
  }

 private:
  const GridLines& m_lines;
  const GridMetrics& m_metrics;
  const GridSettings& m_settings;
  const GridViewport& m_viewport;
  const std::int64_t m_W;
  const std::int64_t m_halfW;
  const std::int64_t m_right;  // runs starting here or further right cannot show
  GridLayout m_out;
};

}  // namespace

GridLines LinesOf(const CExStringList& lines, CodePage cp) {
  return {lines.GetCount(), [&lines](std::size_t i) { return lines.GetAt(i); }, cp};
}

GridLayout LayoutGrid(const GridLines& lines, const GridMetrics& metrics,
                      const GridSettings& settings, const GridViewport& viewport) {
  return GridBuilder(lines, metrics, settings, viewport).Build();
}

ScrollSteps StepsOf(std::int64_t total) {
  const std::int64_t page = total / 10;
  return {page, page / 10};
}

}  // namespace quenda
