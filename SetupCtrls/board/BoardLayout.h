#pragma once
// Layout arithmetic of the board view, without windows: where the board image
// goes on its window (and at what zoom), and where a ring's popup goes.
#include "toolkit/Types.h"

struct TBoardFit {
    double Zoom = 1.0;
    TRect Bounds; // in the window's client area
};

// naturalWidth x naturalHeight: the board at zoom 1. parentWidth x
// parentHeight: the window's whole size, frame and caption included, which the
// board centres on (halving toward zero). room: the part of the client area
// the board may cover (below a header line). Where the centred board lies
// wholly inside the room it stays as it is; otherwise it is zoomed down, never
// up, just enough to fit the room, and centred in it.
TBoardFit FitBoard(int naturalWidth, int naturalHeight, int parentWidth, int parentHeight, const TRect& room);

// Where a popup is designed to open. boardLeft, boardTop: the board's place
// now. designDx, designDy: how far the board's design position lay right of
// and below the content panel's; they are scaled by the board's zoom, so the
// popup lands where it would on the unzoomed board, relative to the board.
TPoint DesignedPopupPosition(int boardLeft, int boardTop, int designDx, int designDy, double zoom);

// Moves a width x height popup back onto a screen, one correction per axis: a
// negative coordinate becomes 0, else one past the far edge is pulled back so
// the popup ends at it (even if that makes it negative).
TPoint KeepOnScreen(TPoint position, int width, int height, int screenWidth, int screenHeight);
