// A rectangle of the shell's layouts in client coordinates, kept free of <windows.h> so the
// layouts are checked natively.
#pragma once

namespace zim {

struct LayoutBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
};

inline bool operator==(const LayoutBox& a, const LayoutBox& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

// Whether the two boxes share any pixel.
inline bool overlaps(const LayoutBox& a, const LayoutBox& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

// Whether `inner` lies wholly inside `outer`.
inline bool contains(const LayoutBox& outer, const LayoutBox& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
}

// Offset that centres `inner` in `outer`; the half is truncated toward zero, so a picture
// larger than its area gets a negative offset and is cut at both sides.
inline int centredOffset(int outer, int inner) {
    return (outer - inner) / 2;
}

} // namespace zim
