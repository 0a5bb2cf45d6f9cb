#include "platform/edge_settings.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace zm {
namespace {

constexpr int kMetricDefault = 2500; // 25 mm in hundredths of a millimetre
constexpr int kInchDefault = 1000;   // one inch in thousandths

int Scale(int value, int numerator, int denominator) {
    const double v = std::round(static_cast<double>(value) * numerator / denominator);
    return static_cast<int>(std::clamp(v, -2147483648.0, 2147483647.0));
}

// A stored margin (thousandths of an inch) in hundredths of a millimetre. Each stored value
// stands for two or three metric values that are saved as it; the roundest of them is read (whole
// millimetres, then tenths), so 25 mm saved as 984 reads back as 2500, not 2499.
int MetricFromStored(int stored) {
    const int nearest = Scale(stored, 254, 100);
    for (const int step : {100, 10}) {
        const int round = Scale(nearest, 1, step) * step;
        if (Scale(round, 100, 254) == stored) return round;
    }
    return nearest;
}

Edges EachEdge(const Edges& e, auto f) {
    return {f(e.left), f(e.top), f(e.right), f(e.bottom)};
}

} // namespace

std::optional<Edges> ReadEdges(const Settings& settings, SettingId id) {
    const auto bytes = ReadBytes(settings, id);
    if (!bytes || bytes->size() != 16) return std::nullopt;
    std::array<int, 4> v{};
    for (std::size_t i = 0; i < 4; ++i) {
        uint32_t u = 0;
        for (std::size_t k = 0; k < 4; ++k)
            u |= uint32_t{(*bytes)[4 * i + k]} << (8 * k);
        v[i] = static_cast<int32_t>(u);
    }
    return Edges{v[0], v[1], v[2], v[3]};
}

void WriteEdges(Settings& settings, SettingId id, const Edges& edges) {
    const std::array<int, 4> v{edges.left, edges.top, edges.right, edges.bottom};
    std::array<uint8_t, 16> bytes{};
    for (std::size_t i = 0; i < 4; ++i)
        for (std::size_t k = 0; k < 4; ++k)
            bytes[4 * i + k] = static_cast<uint8_t>(static_cast<uint32_t>(v[i]) >> (8 * k));
    WriteBytes(settings, id, bytes);
}

Edges ReadPageMargins(const Settings& settings, bool metric) {
    const auto stored = ReadEdges(settings, SettingId::PageMargins);
    if (!stored) {
        const int m = metric ? kMetricDefault : kInchDefault;
        return {m, m, m, m};
    }
    return EachEdge(*stored, [metric](int v) {
        v = std::max(v, 0);
        return metric ? MetricFromStored(v) : v;
    });
}

void WritePageMargins(Settings& settings, const Edges& margins, bool metric) {
    WriteEdges(settings, SettingId::PageMargins, EachEdge(margins, [metric](int v) {
                   v = std::max(v, 0);
                   return metric ? Scale(v, 100, 254) : v;
               }));
}

} // namespace zm
