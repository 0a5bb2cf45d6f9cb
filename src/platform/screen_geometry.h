#pragma once
// Points, sizes and rectangles on the desktop, in pixels; y grows downward. A rectangle holds
// the pixels from (X, Y) up to but not including (Right(), Bottom()).

namespace zm {

struct Point {
    int X = 0;
    int Y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int Width = 0;
    int Height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;

    constexpr int Right() const { return X + Width; }
    constexpr int Bottom() const { return Y + Height; }
    constexpr bool IsEmpty() const { return Width <= 0 || Height <= 0; }
    constexpr bool Contains(Point p) const {
        return p.X >= X && p.X < Right() && p.Y >= Y && p.Y < Bottom();
    }
    constexpr bool Contains(const Rect& r) const {
        return r.X >= X && r.Y >= Y && r.Right() <= Right() && r.Bottom() <= Bottom();
    }
    // The common part; empty (zero size) when there is none.
    constexpr Rect Intersected(const Rect& r) const {
        const int left = X > r.X ? X : r.X;
        const int top = Y > r.Y ? Y : r.Y;
        const int right = Right() < r.Right() ? Right() : r.Right();
        const int bottom = Bottom() < r.Bottom() ? Bottom() : r.Bottom();
        if (right <= left || bottom <= top) return {left, top, 0, 0};
        return {left, top, right - left, bottom - top};
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

} // namespace zm
