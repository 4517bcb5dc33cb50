// Points, sizes and rectangles in pixels for the live windows, kept free of <windows.h> so that
// the placement, drawing and dragging rules are checked natively. A rectangle has the meaning
// of a Win32 RECT: right and bottom lie just outside it.
#pragma once

namespace zim {

struct PixelPoint {
    int x = 0;
    int y = 0;
};

struct PixelSize {
    int width = 0;
    int height = 0;
};

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    // Nothing to draw in: no pixel lies inside.
    bool empty() const { return right <= left || bottom <= top; }
};

inline bool operator==(PixelPoint a, PixelPoint b) {
    return a.x == b.x && a.y == b.y;
}
inline bool operator!=(PixelPoint a, PixelPoint b) {
    return !(a == b);
}
inline bool operator==(PixelSize a, PixelSize b) {
    return a.width == b.width && a.height == b.height;
}
inline bool operator!=(PixelSize a, PixelSize b) {
    return !(a == b);
}
inline bool operator==(const PixelRect& a, const PixelRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline bool operator!=(const PixelRect& a, const PixelRect& b) {
    return !(a == b);
}

// The rectangle of a record's x, y, width and height.
inline PixelRect rectAt(int x, int y, int width, int height) {
    return {x, y, x + width, y + height};
}

inline PixelRect offsetRect(const PixelRect& r, int dx, int dy) {
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

// Grown by `d` on every side (shrunk when `d` is negative).
inline PixelRect inflateRect(const PixelRect& r, int d) {
    return {r.left - d, r.top - d, r.right + d, r.bottom + d};
}

// The pixels that lie in both; empty when they do not meet.
inline PixelRect intersection(const PixelRect& a, const PixelRect& b) {
    return {a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
            a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
}

// Whether the point lies inside, right and bottom edges excluded (PtInRect).
inline bool containsPoint(const PixelRect& r, PixelPoint p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

} // namespace zim
