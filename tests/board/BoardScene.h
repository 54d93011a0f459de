#pragma once
// A small window built like the main one: a menu bar with "&File" (Exit) and
// "&Help" (two items), a board image showing a uniform grey picture, rings on
// it and content panels on the window. The window is small and sits in the
// top-left corner of the 1024 x 768 offscreen screen, so popups can be placed
// beside it and the pointer parked where no window lies.
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>

#include "SetupCtrls/board/HighlightType.h"
#include "toolkit/Types.h"

class TBitmap;
class TBoardHighlight;
class TBoardImage;
class TForm;
class TMainMenu;
class TMenuItem;
class TRadioPanel;

struct TPixel {
    int R = 0, G = 0, B = 0;
    friend bool operator==(const TPixel&, const TPixel&) = default;
    friend void PrintTo(const TPixel& p, std::ostream* os) { *os << "rgb(" << p.R << ", " << p.G << ", " << p.B << ")"; }
};

// A bitmap of one colour everywhere.
std::unique_ptr<TBitmap> UniformBitmap(int width, int height, uint8_t red, uint8_t green, uint8_t blue);
TPixel PixelAt(const TBitmap& bitmap, int x, int y);

class BoardScene {
public:
    // Window 500 x 400 at (0, 0); board 300 x 200 stored at (20, 10), which
    // its first paint centres on the window.
    static constexpr int FormWidth = 500, FormHeight = 400;
    static constexpr int BoardWidth = 300, BoardHeight = 200;
    static constexpr int BoardDesignLeft = 20, BoardDesignTop = 10;
    // Lies inside no window of the scene.
    static constexpr TPoint Nowhere{1015, 760};

    explicit BoardScene(uint8_t grey = 101);
    ~BoardScene();
    BoardScene(const BoardScene&) = delete;
    BoardScene& operator=(const BoardScene&) = delete;

    TBoardHighlight* AddRing(const std::string& title, THighlightType type, const TRect& bounds);
    // A panel on the window at a stored position, hidden, with one line of text.
    TRadioPanel* AddPanel(const std::string& name, const TRect& bounds, const std::string& text = "Panel text");
    // Shows the window and waits until every visible ring has had its first paint.
    bool Show();

    TMenuItem* TopItem(const std::string& caption) const;
    TMenuItem* Entry(const std::string& topCaption, const std::string& caption) const;

    TForm* Form = nullptr;
    TMainMenu* Menu = nullptr;
    TBoardImage* Board = nullptr;
};

// Parks the pointer where no window lies.
void ParkPointer();
