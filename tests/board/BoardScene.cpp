#include "BoardScene.h"

#include "SetupCtrls/board/BoardHighlight.h"
#include "SetupCtrls/board/BoardImage.h"
#include "SetupCtrls/board/RadioPanel.h"
#include "common/Wait.h"
#include "toolkit/Application.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Form.h"
#include "toolkit/MainMenu.h"
#include "toolkit/MenuItem.h"
#include "toolkit/Picture.h"
#include "toolkit/WinApi.h"

std::unique_ptr<TBitmap> UniformBitmap(int width, int height, uint8_t red, uint8_t green, uint8_t blue)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(width, height);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = bitmap->ScanLine(y);
        for (int x = 0; x < width; ++x) {
            row[4 * x] = blue;
            row[4 * x + 1] = green;
            row[4 * x + 2] = red;
            row[4 * x + 3] = 255;
        }
    }
    return bitmap;
}

TPixel PixelAt(const TBitmap& bitmap, int x, int y)
{
    const uint8_t* p = bitmap.ScanLine(y) + 4 * x;
    return TPixel{p[2], p[1], p[0]};
}

namespace {
TMenuItem* MakeItem(TForm* owner, TMenuItem* under, const char* name, const char* caption)
{
    auto* item = new TMenuItem(owner);
    item->SetName(name);
    item->SetCaption(caption);
    under->Add(item);
    return item;
}
} // namespace

BoardScene::BoardScene(uint8_t grey)
{
    Form = new TForm(Application);
    Form->SetBounds(0, 0, FormWidth, FormHeight);
    Form->SetCaption("Board scene");
    Form->SetColor(clWhite);

    Board = new TBoardImage(Form);
    Board->SetName("BoardImage1");
    Board->SetParent(Form);
    Board->SetBounds(BoardDesignLeft, BoardDesignTop, BoardWidth, BoardHeight);
    Board->Picture()->SetGraphic(UniformBitmap(BoardWidth, BoardHeight, grey, grey, grey));

    Menu = new TMainMenu(Form);
    Menu->SetName("MainMenu1");
    TMenuItem* file = MakeItem(Form, Menu->Items(), "File1", "&File");
    MakeItem(Form, file, "Exit2", "&Exit");
    TMenuItem* help = MakeItem(Form, Menu->Items(), "Help1", "&Help");
    MakeItem(Form, help, "Howtousethisprogram1", "H&ow to use this program");
    MakeItem(Form, help, "TechnicalSupport1", "&Technical Support");
    Form->SetMenu(Menu);
    Board->SetMenu(Menu);
}

BoardScene::~BoardScene()
{
    delete Form;
    ParkPointer();
}

TBoardHighlight* BoardScene::AddRing(const std::string& title, THighlightType type, const TRect& bounds)
{
    auto* ring = new TBoardHighlight(Form);
    ring->SetParent(Board);
    ring->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    ring->SetHighlightType(type);
    ring->SetTitle(title);
    return ring;
}

TRadioPanel* BoardScene::AddPanel(const std::string& name, const TRect& bounds, const std::string& text)
{
    auto* panel = new TRadioPanel(Form);
    panel->SetName(name);
    panel->SetParent(Form);
    panel->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    panel->Lines().Add(text);
    return panel;
}

bool BoardScene::Show()
{
    ParkPointer();
    Form->Show();
    return WaitFor([this] {
        for (int i = 0; i < Board->ControlCount(); ++i) {
            auto* ring = dynamic_cast<TBoardHighlight*>(Board->Controls(i));
            if (ring && ring->Visible() && ring->Width() > 0 && ring->Height() > 0 && !ring->Prepared())
                return false;
        }
        return Board->DesignPosSaved();
    });
}

TMenuItem* BoardScene::TopItem(const std::string& caption) const
{
    TMenuItem* bar = Menu->Items();
    for (int i = 0; i < bar->Count(); ++i)
        if (bar->Items(i)->Caption() == caption)
            return bar->Items(i);
    return nullptr;
}

TMenuItem* BoardScene::Entry(const std::string& topCaption, const std::string& caption) const
{
    TMenuItem* top = TopItem(topCaption);
    if (!top)
        return nullptr;
    for (int i = 0; i < top->Count(); ++i)
        if (top->Items(i)->Caption() == caption)
            return top->Items(i);
    return nullptr;
}

void ParkPointer()
{
    SetCursorPos(BoardScene::Nowhere.X, BoardScene::Nowhere.Y);
}
