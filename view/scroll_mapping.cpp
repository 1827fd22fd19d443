#include "view/scroll_mapping.h"

#include <algorithm>
#include <limits>

namespace quenda {

namespace {

constexpr std::int64_t kIntMax = std::numeric_limits<int>::max();

int ToBar(std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, 0, kIntMax)); }

}  // namespace

std::int64_t ScrollAxis::PositionOf(int barValue) const {
  if (barValue >= barMaximum) return maxPosition;
  return std::clamp<std::int64_t>(std::int64_t{barValue} * unit, 0, maxPosition);
}

int ScrollAxis::BarValueOf(std::int64_t position) const {
  if (position >= maxPosition) return barMaximum;
  return ToBar(std::max<std::int64_t>(position, 0) / unit);
}

ScrollAxis MapScrollAxis(std::int64_t total, int client, ScrollSteps steps, std::int64_t quantum) {
  ScrollAxis axis;
  axis.maxPosition = std::max<std::int64_t>(0, total - client);
  if (axis.maxPosition > kIntMax) {
    const std::int64_t q = std::max<std::int64_t>(1, quantum);
    axis.unit = q * ((axis.maxPosition + q * kIntMax - 1) / (q * kIntMax));
  }
  axis.barMaximum = ToBar((axis.maxPosition + axis.unit - 1) / axis.unit);
  axis.pageStep = ToBar(steps.page / axis.unit);
  axis.singleStep = ToBar(steps.line / axis.unit);
  return axis;
}

ScrollPosition ScrollForKey(ScrollKey key, ScrollPosition now, ScrollPosition max,
                            std::int64_t rowPitch, std::int64_t charWidth, int clientHeight) {
  const std::int64_t page =
      std::max<std::int64_t>(1, clientHeight / std::max<std::int64_t>(1, rowPitch)) * rowPitch;
  ScrollPosition to = now;
  switch (key) {
    case ScrollKey::LineUp:
      to.y -= rowPitch;
      break;
    case ScrollKey::LineDown:
      to.y += rowPitch;
      break;
    case ScrollKey::Left:
      to.x -= charWidth;
      break;
    case ScrollKey::Right:
      to.x += charWidth;
      break;
    case ScrollKey::PageUp:
      to.y -= page;
      break;
    case ScrollKey::PageDown:
      to.y += page;
      break;
    case ScrollKey::Home:
      to.x = 0;
      break;
    case ScrollKey::End:
      to.x = max.x;
      break;
    case ScrollKey::Top:
      to.y = 0;
      break;
    case ScrollKey::Bottom:
      to.y = max.y;
      break;
  }
  return {std::clamp<std::int64_t>(to.x, 0, std::max<std::int64_t>(0, max.x)),
          std::clamp<std::int64_t>(to.y, 0, std::max<std::int64_t>(0, max.y))};
}

std::int64_t WheelDistance(int angleDelta, int wheelLines, std::int64_t pitch) {
  return -std::int64_t{angleDelta} * wheelLines * pitch / 120;
}

}  // namespace quenda
