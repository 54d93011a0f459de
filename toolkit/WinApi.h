#pragma once
// Small stand-ins for the system calls the components make directly: the
// cursor position, block copies between canvases and message boxes.
#include <functional>
#include <string>

#include "toolkit/Types.h"

class TCanvas;

// Cursor position in screen coordinates.
TPoint GetCursorPos();
void SetCursorPos(int x, int y);

// Copies a w x h block from src at (sx, sy) to dst at (x, y).
void BitBlt(TCanvas& dst, int x, int y, int w, int h, const TCanvas& src, int sx, int sy);

constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_OKCANCEL = 0x1;
constexpr unsigned MB_RETRYCANCEL = 0x5;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_ICONSTOP = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;
constexpr unsigned MB_ICONINFORMATION = 0x40;
constexpr unsigned MB_DEFBUTTON2 = 0x100;
constexpr unsigned MB_SETFOREGROUND = 0x10000;
constexpr unsigned MB_TOPMOST = 0x40000;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDRETRY = 4;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// A modal message box; returns the button chosen (IDCANCEL when closed).
int MessageBox(const std::string& text, const std::string& caption, unsigned flags);

// Tests answer message boxes themselves: while a handler is set, it receives
// every box instead of the user and its result is the answer.
using TMessageBoxHandler = std::function<int(const std::string& text, const std::string& caption, unsigned flags)>;
void SetMessageBoxHandler(TMessageBoxHandler handler);
