#pragma once
// Basic value types shared by every part of the toolkit: colours, geometry,
// messages and the small enumerations that controls and forms use.
#include <cstdint>
#include <string>

// Colour value 0x00BBGGRR; a value with the high bit set names a system colour
// by its index in the low byte.
using TColor = uint32_t;

constexpr TColor clBlack = 0x00000000;
constexpr TColor clMaroon = 0x00000080;
constexpr TColor clGreen = 0x00008000;
constexpr TColor clGray = 0x00808080;
constexpr TColor clSilver = 0x00C0C0C0;
constexpr TColor clRed = 0x000000FF;
constexpr TColor clYellow = 0x0000FFFF;
constexpr TColor clBlue = 0x00FF0000;
constexpr TColor clWhite = 0x00FFFFFF;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clSystemColor = 0x80000000;
constexpr TColor clMenu = 0x80000004;
constexpr TColor clWindow = 0x80000005;
constexpr TColor clWindowText = 0x80000008;
constexpr TColor clHighlight = 0x8000000D;
constexpr TColor clHighlightText = 0x8000000E;
constexpr TColor clBtnFace = 0x8000000F;
constexpr TColor clBtnShadow = 0x80000010;
constexpr TColor clGrayText = 0x80000011;
constexpr TColor clBtnText = 0x80000012;
constexpr TColor clBtnHighlight = 0x80000014;
constexpr TColor cl3DDkShadow = 0x80000015;
constexpr TColor cl3DLight = 0x80000016;
constexpr TColor clInfoText = 0x80000017;
constexpr TColor clInfoBk = 0x80000018;

// Resolves a system colour to its 0x00BBGGRR value from the desktop's current
// palette (so a dark theme gives dark faces and light text); plain colours
// pass through.
TColor ColorToRGB(TColor color);
// Contrast ratio of two colours as accessibility guidelines measure it, from
// 1 (equal) to 21 (black on white).
double ContrastRatio(TColor a, TColor b);
// The colour to draw text in on a background: the text colour itself, unless
// it is a system colour that the current palette makes hard to read there
// (light theme text on a fixed white, say); then black or white, whichever
// reads better. Text colours fixed as plain values are kept as they are.
TColor ReadableTextColor(TColor text, TColor background);
inline uint8_t GetRValue(TColor c) { return uint8_t(c & 0xFF); }
inline uint8_t GetGValue(TColor c) { return uint8_t((c >> 8) & 0xFF); }
inline uint8_t GetBValue(TColor c) { return uint8_t((c >> 16) & 0xFF); }
inline TColor RGB(uint8_t r, uint8_t g, uint8_t b) { return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16); }

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect Rect(int left, int top, int right, int bottom) { return TRect{left, top, right, bottom}; }
inline TRect Bounds(int left, int top, int width, int height) { return TRect{left, top, left + width, top + height}; }
// Right and bottom edges are outside the rectangle.
inline bool PtInRect(const TRect& r, TPoint p) { return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom; }
TRect IntersectRect(const TRect& a, const TRect& b);

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// Form border styles; bsNone and bsSingle double as the border of a plain control.
enum TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

enum TMouseButton { mbLeft, mbRight, mbMiddle };

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// A notification delivered synchronously to a control (Perform) or a window.
struct TMessage {
    unsigned Msg = 0;
    intptr_t WParam = 0;
    intptr_t LParam = 0;
    intptr_t Result = 0;
};

constexpr unsigned WM_ACTIVATE = 0x0006;
constexpr unsigned WM_TIMER = 0x0113;
constexpr unsigned WM_QUERYNEWPALETTE = 0x030F;
constexpr unsigned WM_USER = 0x0400;
constexpr unsigned CM_BASE = 0xB000;
constexpr unsigned CM_ACTIVATE = CM_BASE + 0;
constexpr unsigned CM_DEACTIVATE = CM_BASE + 1;
constexpr unsigned CM_MOUSEENTER = 0xB013;
constexpr unsigned CM_MOUSELEAVE = 0xB014;

// Keys as the toolkit names them (virtual-key codes); letters and digits are
// their upper-case ASCII codes.
constexpr int VK_TAB = 0x09;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_SPACE = 0x20;
constexpr int VK_LEFT = 0x25;
constexpr int VK_UP = 0x26;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_DOWN = 0x28;
constexpr int VK_F1 = 0x70;

enum TShiftStateFlag : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4 };
using TShiftState = unsigned;

// Lower-case ASCII letters only; other bytes are left alone.
std::string AsciiLower(const std::string& s);
bool SameTextAscii(const std::string& a, const std::string& b);
bool IsValidIdent(const std::string& s);
