#include "timers/window_cascade.h"

namespace zm {
namespace {

constexpr Point kStep{42, 64};
constexpr int kColumnStep = 143;
constexpr Point kFallback{62, 64};

bool Fits(const Rect& area, Point at, Size size) {
    return area.Contains(Rect{area.x + at.x, area.y + at.y, size.width, size.height});
}

} // namespace

WindowCascade::WindowCascade(TimerKind kind)
    : position_(kind == TimerKind::Countdown ? Point{0, 0} : Point{kColumnStep, 0}),
      columnX_(position_.x + kStep.x) {}

Point WindowCascade::Next(const Rect& area, Size size) {
    position_ = {position_.x + kStep.x, position_.y + kStep.y};
    if (!Fits(area, position_, size)) {
        columnX_ += kColumnStep;
        position_ = {columnX_, kStep.y};
        if (!Fits(area, position_, size)) {
            columnX_ = kFallback.x;
            position_ = kFallback;
        }
    }
    return {area.x + position_.x, area.y + position_.y};
}

} // namespace zm
