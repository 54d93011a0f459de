// The main window's definition: its components in creation order, each with
// the properties that differ from its class's defaults. References between
// components are resolved once all of them exist, and handlers are attached
// after the stored values, so loading raises no event.
#include "template/Assets.h"
#include "template/MainForm.h"

#include "SetupCtrls/board/BoardHighlight.h"
#include "SetupCtrls/board/BoardImage.h"
#include "SetupCtrls/board/RadioPanel.h"
#include "SetupCtrls/jumper/ThreeJumper.h"
#include "SetupCtrls/supporter/SetupSupporter.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/MainMenu.h"
#include "toolkit/MenuItem.h"
#include "toolkit/Picture.h"
#include "toolkit/RadioButton.h"

namespace {

template <class T>
T* Make(TComponent* owner, const char* name, TWinControl* parent, int left, int top, int width, int height)
{
    T* c = new T(owner);
    c->SetName(name);
    c->SetParent(parent);
    c->SetBounds(left, top, width, height);
    return c;
}

TMenuItem* MakeItem(TComponent* owner, const char* name, const char* caption, TMenuItem* under)
{
    auto* item = new TMenuItem(owner);
    item->SetName(name);
    item->SetCaption(caption);
    under->Add(item);
    return item;
}

TRadioPanel* MakePanel(TComponent* owner, const char* name, int left, int top, int width, int height, const char* text, int tabOrder)
{
    auto* panel = Make<TRadioPanel>(owner, name, static_cast<TWinControl*>(owner), left, top, width, height);
    TStringList lines;
    lines.Add(text);
    panel->SetLines(lines);
    panel->SetBevelOuter(bvNone);
    panel->SetTabOrder(tabOrder);
    return panel;
}

// The pictures are compiled in: read where they lie, straight into the
// component's picture (no intermediate copy to assign from).
void LoadPicture(TPicture& picture, const unsigned char* data, unsigned long size)
{
    picture.LoadFromEmbedded(data, size);
}

} // namespace

void TMainForm::LoadDefinition()
{
    SetName("MainForm");
    SetCaption("Setup");
    SetBounds(384, 152, 873, 776);
    SetAlign(alClient);
    SetWindowState(wsMaximized);
    SetColor(clWhite);
    TFont font;
    font.SetName("MS Sans Serif");
    font.SetHeight(-11);
    font.SetColor(clWindowText);
    SetFont(font);
    SetPixelsPerInch(96);

    BoardImage1 = Make<TBoardImage>(this, "BoardImage1", this, 142, 2, 600, 718);
    BoardImage1->SetAutoSize(false);
    BoardImage1->SetStretch(true);
    BoardImage1->SetHint("NORVEL LX-4410 board");
    LoadPicture(*BoardImage1->Picture(), BoardPhotoJpeg, BoardPhotoJpeg_size);

    PowerHighlight = Make<TBoardHighlight>(this, "PowerHighlight", BoardImage1, 329, 628, 32, 58);
    PowerHighlight->SetTitle("&External Power");
    LedHighlight = Make<TBoardHighlight>(this, "LedHighlight", BoardImage1, 119, 612, 30, 108);
    LedHighlight->SetHighlightType(htOptions);
    LedHighlight->SetTitle("LED Light");
    USBHighlight = Make<TBoardHighlight>(this, "USBHighlight", BoardImage1, 226, 600, 84, 114);
    USBHighlight->SetHighlightType(htOptions);
    USBHighlight->SetTitle("&USB Connector");
    DCINHighlight = Make<TBoardHighlight>(this, "DCINHighlight", BoardImage1, 446, 610, 55, 80);
    DCINHighlight->SetHighlightType(htOptions);
    DCINHighlight->SetTitle("DC Input");

    PowerPanel = MakePanel(this, "PowerPanel", 321, 296, 296, 121,
                           "You can use the provided external power supply for higher current capabilities. "
                           "To do so, set the jumper position to VEXT and plug in power before plugging in the USB cable.",
                           1);
    Image1 = Make<TImage>(this, "Image1", PowerPanel, 154, 16, 112, 48);
    Image1->SetAutoSize(true);
    Image1->SetHint("External power jack");
    LoadPicture(*Image1->Picture(), PowerJackBmp, PowerJackBmp_size);
    BusPowerJumper = Make<TThreeJumper>(this, "BusPowerJumper", PowerPanel, 48, 32, 43, 18);
    BusPowerJumper->SetJumperState(jsRight);
    BusPowerJumper->SetHint("Power source jumper");
    Label1 = Make<TLabel>(this, "Label1", PowerPanel, 32, 8, 28, 13);
    Label1->SetCaption("VEXT");
    Label2 = Make<TLabel>(this, "Label2", PowerPanel, 80, 8, 29, 13);
    Label2->SetCaption("VUSB");
    ExtPowerRadio = Make<TRadioButton>(this, "ExtPowerRadio", PowerPanel, 16, 80, 121, 17);
    ExtPowerRadio->SetCaption("External Powered");
    ExtPowerRadio->SetTabOrder(1);
    BusPowerRadio = Make<TRadioButton>(this, "BusPowerRadio", PowerPanel, 16, 64, 121, 17);
    BusPowerRadio->SetCaption("USB Bus Powered");
    BusPowerRadio->SetChecked(true);
    BusPowerRadio->SetTabOrder(0);
    BusPowerRadio->SetTabStop(true);

    USBPanel = MakePanel(this, "USBPanel", -184, 296, 242, 9, "The USB connector on this board is a USB type B socket.", 2);
    LEDPanel = MakePanel(this, "LEDPanel", -88, 136, 145, 9, "LED indicates Power and Activity", 3);
    DCINPanel = MakePanel(this, "DCINPanel", -72, 448, 113, 9, "DC Input power connector", 4);

    MainMenu1 = new TMainMenu(this);
    MainMenu1->SetName("MainMenu1");
    File1 = MakeItem(this, "File1", "&File", MainMenu1->Items());
    Exit2 = MakeItem(this, "Exit2", "&Exit", File1);
    Help1 = MakeItem(this, "Help1", "&Help", MainMenu1->Items());
    Howtousethisprogram1 = MakeItem(this, "Howtousethisprogram1", "H&ow to use this program", Help1);
    TechnicalSupport1 = MakeItem(this, "TechnicalSupport1", "&Technical Support", Help1);

    SetSup = new TSetupSupporter(this);
    SetSup->SetName("SetSup");
    SetSup->SetCompanyName("NORVEL");
    SetSup->SetCardNameA("LX-4410");
    SetSup->SetCardNameB("LX-4410");
    SetSup->SetCallHow("weekdays from 8:00 AM to 5:00 PM Pacific Time at (858) 555-0142");
    SetSup->SetMultiPort(true);
    SetSup->SetChannels(4);
    SetSup->SetChangeButtons(true);

    // References, now that every component exists.
    SetMenu(MainMenu1);
    BoardImage1->SetFirst(PowerHighlight);
    BoardImage1->SetMenu(MainMenu1);
    PowerHighlight->SetRadioPanel(PowerPanel);
    LedHighlight->SetRadioPanel(LEDPanel);
    USBHighlight->SetRadioPanel(USBPanel);
    DCINHighlight->SetRadioPanel(DCINPanel);

    // Handlers last, after every stored value.
    OnCreate = [this](TObject* s) { FormCreate(s); };
    // F1 in any window of the program shows the help window.
    OnHelp = [this](TObject* s) { Howtousethisprogram1Click(s); };
    Exit2->OnClick = [this](TObject* s) { Exit2Click(s); };
    Howtousethisprogram1->OnClick = [this](TObject* s) { Howtousethisprogram1Click(s); };
    TechnicalSupport1->OnClick = [this](TObject* s) { TechnicalSupport1Click(s); };
    BusPowerJumper->OnClick = [this](TObject* s) { BusPowerJumperClick(s); };
    ExtPowerRadio->OnClick = [this](TObject* s) { BusPowerRadioClick(s); };
    BusPowerRadio->OnClick = [this](TObject* s) { BusPowerRadioClick(s); };
}
