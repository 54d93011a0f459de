#include "SetupCtrls/board/BoardLayout.h"

#include <algorithm>
#include <cmath>

namespace {
// The smallest zoom the board is shown at, so that a window with no room left
// still gives its rings a size.
constexpr double MinimumZoom = 0.05;

// Rounds as the toolkit does when it zooms a size.
int AtZoom(int value, double zoom)
{
    return int(std::lround(value * zoom));
}

bool Inside(const TRect& inner, const TRect& outer)
{
    return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right && inner.Bottom <= outer.Bottom;
}
} // namespace

TBoardFit FitBoard(int naturalWidth, int naturalHeight, int parentWidth, int parentHeight, const TRect& room)
{
    TBoardFit fit;
    const TRect centred = Bounds((parentWidth - naturalWidth) / 2, (parentHeight - naturalHeight) / 2, naturalWidth, naturalHeight);
    if (Inside(centred, room) || naturalWidth <= 0 || naturalHeight <= 0) {
        fit.Bounds = centred;
        return fit;
    }
    double zoom = std::min({1.0, double(room.Width()) / naturalWidth, double(room.Height()) / naturalHeight});
    zoom = std::max(zoom, MinimumZoom);
    const int w = AtZoom(naturalWidth, zoom), h = AtZoom(naturalHeight, zoom);
    fit.Zoom = zoom;
    fit.Bounds = Bounds(room.Left + (room.Width() - w) / 2, room.Top + (room.Height() - h) / 2, w, h);
    return fit;
}

TPoint DesignedPopupPosition(int boardLeft, int boardTop, int designDx, int designDy, double zoom)
{
    return TPoint{boardLeft - AtZoom(designDx, zoom), boardTop - AtZoom(designDy, zoom)};
}

TPoint KeepOnScreen(TPoint position, int width, int height, int screenWidth, int screenHeight)
{
    if (position.X < 0)
        position.X = 0;
    else if (position.X + width > screenWidth)
        position.X = screenWidth - width;
    if (position.Y < 0)
        position.Y = 0;
    else if (position.Y + height > screenHeight)
        position.Y = screenHeight - height;
    return position;
}
