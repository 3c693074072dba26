#include "ui/gantt/companionplacement.h"

#include <algorithm>
#include <array>

namespace companion {

namespace {

int clampStart(int wanted, int size, int areaStart, int areaEnd)
{
    // areaEnd is the last pixel of the area, as QRect::right() and bottom() give it.
    return std::max(areaStart, std::min(wanted, areaEnd - size + 1));
}

long long overlap(const QRect &a, const QRect &b)
{
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : static_cast<long long>(common.width()) * common.height();
}

} // namespace

QRect keepInside(const QRect &frame, const QRect &available)
{
    const QSize size = frame.size().boundedTo(available.size());
    return QRect(QPoint(clampStart(frame.left(), size.width(), available.left(), available.right()),
                        clampStart(frame.top(), size.height(), available.top(), available.bottom())),
                 size);
}

QRect placeBeside(const QRect &owner, const QSize &frame, const QRect &available, const QSize &minimum)
{
    const QSize size = frame.boundedTo(available.size());
    const int w = size.width();
    const int h = size.height();
    const int besideTop = clampStart(owner.top(), h, available.top(), available.bottom());
    const int underLeft = clampStart(owner.left(), w, available.left(), available.right());
    // The room beside and below the owner, and how small the frame may be made to use it.
    const int rightRoom = available.right() - owner.right();
    const int leftRoom = owner.left() - available.left();
    const int belowRoom = available.bottom() - owner.bottom();
    const int narrowest = minimum.isValid() ? std::min(minimum.width(), w) : w;
    const int lowest = minimum.isValid() ? std::min(minimum.height(), h) : h;

    if (rightRoom >= w)
        return QRect(QPoint(owner.right() + 1, besideTop), size);
    if (leftRoom >= w)
        return QRect(QPoint(owner.left() - w, besideTop), size);
    if (std::max(rightRoom, leftRoom) >= narrowest) {
        const int width = std::max(rightRoom, leftRoom);
        const int left = rightRoom >= leftRoom ? owner.right() + 1 : owner.left() - width;
        return QRect(QPoint(left, besideTop), QSize(width, h));
    }
    if (belowRoom >= h)
        return QRect(QPoint(underLeft, owner.bottom() + 1), size);
    if (belowRoom >= lowest)
        return QRect(QPoint(underLeft, owner.bottom() + 1), QSize(w, belowRoom));

    // No room beside it: wherever inside the area the least of the owner is hidden. The hidden
    // part shrinks as the frame moves towards an edge of the area or clears an edge of the
    // owner, so only those positions need looking at; on a tie the earlier one is kept.
    const int rightmost = available.right() - w + 1;
    const int bottommost = available.bottom() - h + 1;
    const std::array<int, 4> xs{{rightmost, available.left(), owner.right() + 1, owner.left() - w}};
    const std::array<int, 5> ys{{besideTop, available.top(), bottommost, owner.bottom() + 1, owner.top() - h}};
    QRect best;
    long long bestCovered = -1;
    for (int y : ys) {
        for (int x : xs) {
            const QRect candidate(QPoint(std::clamp(x, available.left(), rightmost),
                                         std::clamp(y, available.top(), bottommost)),
                                  size);
            const long long hidden = overlap(candidate, owner);
            if (bestCovered < 0 || hidden < bestCovered) {
                best = candidate;
                bestCovered = hidden;
            }
        }
    }
    return best;
}

} // namespace companion
