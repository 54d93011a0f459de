#pragma once
// The board photograph. It carries the highlight rings as its children,
// re-centres itself on its parent at every paint (on a window too small for
// it, zoomed down with its rings so that it shows whole), remembers where the
// window definition placed it (popups are placed from there), names the menu
// its rings add their entries to and the ring the guided tour starts with.
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "toolkit/CustomPanel.h"

class TPicture;
class TMainMenu;
class TBoardHighlight;
class TCanvas;
class TGraphic;

// Starts the guided tour: enter, click and leave on the board's first ring.
constexpr unsigned WM_SETUP_START = WM_USER + 162;

class TBoardImage : public TCustomPanel {
public:
    TK_CLASS_NAME(TBoardImage)
    explicit TBoardImage(TComponent* AOwner);
    ~TBoardImage() override;

    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(const TPicture* picture);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value);
    bool Center() const { return FCenter; }
    void SetCenter(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    bool Scale() const { return FScale; }
    void SetScale(bool value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    bool CenterOnForm() const { return FCenterOnForm; }
    void SetCenterOnForm(bool value) { FCenterOnForm = value; }
    TMainMenu* Menu() const { return FMenu; }
    void SetMenu(TMainMenu* menu) { FMenu = menu; }
    TBoardHighlight* First() const { return FFirst; }
    void SetFirst(TBoardHighlight* first) { FFirst = first; }

    // Position at the first paint, before it centred itself.
    bool DesignPosSaved() const { return FDesignPosSaved; }
    int DesignLeft() const { return FDesignLeft; }
    int DesignTop() const { return FDesignTop; }
    double Aspect() const { return FAspect; }
    bool Drawing() const { return FDrawing; }
    // How often the whole picture was copied onto the board's surface: once
    // per place, size and density, not once per repaint.
    int PictureDrawCount() const { return FPictureDrawCount; }

    // Where the picture is drawn.
    TRect DestRect() const;
    // The proposed size becomes the picture's along the free axes; always true.
    bool CanAutoSize(int& newWidth, int& newHeight) const;
    bool DoPaletteChange();
    uintptr_t GetPalette() const;
    void PictureChanged(TObject* Sender);

    void WndProc(TMessage& message) override;
    // A picture for a screen reader, named by its hint; its rings are its children.
    void GetAccessibleInfo(TAccessibleInfo& info) const override;

protected:
    void Paint() override;
    void ParentRealigned() override;

private:
    // Placed by the size of a window it lies on (not in a designer).
    bool FitsToWindow() const;
    void PlaceOnParent();
    void EnterRingsInMenu();
    // The surface still holds the picture as the last whole drawing left it,
    // save beneath children that repaint themselves whole without reading it.
    bool PictureStillOnSurface(const TCanvas& canvas, const TRect& dest) const;
    void RememberPictureOnSurface(const TCanvas& canvas, const TRect& dest);

    // What the last whole drawing of the picture was made for.
    struct TPictureOnSurface {
        uint64_t Serial = 0;
        TRect Dest;
        const TGraphic* Graphic = nullptr;
        double Ratio = 0.0;
        std::vector<std::pair<const TControl*, TRect>> Children;
    };
    TPictureOnSurface FKeptPicture;
    bool FPictureKept = false;
    int FPictureDrawCount = 0;

    std::unique_ptr<TPicture> FPicture;
    bool FStretch = false;
    bool FCenter = false;
    bool FTransparent = false;
    bool FDrawing = false;
    double FAspect = 1.0;
    bool FScale = true;
    TMainMenu* FMenu = nullptr;
    bool FCenterOnForm = true;
    bool FDesignPosSaved = false;
    TBoardHighlight* FFirst = nullptr;
    int FDesignLeft = 0;
    int FDesignTop = 0;
    bool FAutoSize = true;
};
