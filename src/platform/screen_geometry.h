#pragma once
// Points, sizes and rectangles on the desktop, in pixels; y grows downward. A rectangle holds
// the pixels from (X, Y) up to but not including (Right(), Bottom()).

namespace zm {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    constexpr int Right() const { return x + width; }
    constexpr int Bottom() const { return y + height; }
    constexpr bool IsEmpty() const { return width <= 0 || height <= 0; }
    constexpr bool Contains(Point p) const {
        return p.x >= x && p.x < Right() && p.y >= y && p.y < Bottom();
    }
    constexpr bool Contains(const Rect& r) const {
        return r.x >= x && r.y >= y && r.Right() <= Right() && r.Bottom() <= Bottom();
    }
    // The common part; empty (zero size) when there is none.
    constexpr Rect Intersected(const Rect& r) const {
        const int left = x > r.x ? x : r.x;
        const int top = y > r.y ? y : r.y;
        const int right = Right() < r.Right() ? Right() : r.Right();
        const int bottom = Bottom() < r.Bottom() ? Bottom() : r.Bottom();
        if (right <= left || bottom <= top) return {left, top, 0, 0};
        return {left, top, right - left, bottom - top};
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

} // namespace zm
