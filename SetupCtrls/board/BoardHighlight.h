#pragma once
// A soft coloured ring laid over the board picture. It lights under the
// pointer and opens its popup; rings of one group (same board image, Title and
// HighlightType) light, pin and unlight together, share one popup and one menu
// entry. Its three looks are rendered once from the picture beneath it and
// every later paint is a block copy.
#include <functional>
#include <memory>
#include <string>

#include "SetupCtrls/board/HighlightType.h"
#include "toolkit/Component.h"
#include "toolkit/Form.h"
#include "toolkit/GraphicControl.h"

class TBitmap;
class TMainMenu;
class TMenuItem;
class TPopupForm;
class TRadioPanel;

class TBoardHighlight : public TGraphicControl {
public:
    TK_CLASS_NAME(TBoardHighlight)
    explicit TBoardHighlight(TComponent* AOwner);
    ~TBoardHighlight() override;

    // Published properties.
    bool CreatePopup() const { return FCreatePopup; }
    void SetCreatePopup(bool value) { FCreatePopup = value; }
    THighlightType HighlightType() const { return FHighlightType; }
    void SetHighlightType(THighlightType value);
    TRadioPanel* RadioPanel() const { return FRadioPanel.Get(); }
    // Refused (silently at run time) when a ring of another group has the panel.
    void SetRadioPanel(TRadioPanel* value);
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& value);

    // Derived names: the popup's caption and the stem of the menu entry's name.
    const std::string& PlainTitle() const { return FPlainTitle; }
    const std::string& IdentTitle() const { return FIdentTitle; }

    // State.
    bool Lit() const { return FLit; }
    bool Pinned() const { return FPinned; }
    bool PopupActive() const { return FPopupActive; }
    bool Prepared() const { return FPrepared; }
    TPopupForm* Popup() const { return FPopup.Get(); }
    TMainMenu* Menu() const { return FMenu; }

    // Rendering.
    TColor RingColor() const { return FRingColor; }
    float IdleStrength() const { return FIdleStrength; }
    float LitStrength() const { return FLitStrength; }
    float LitActiveStrength() const { return FLitActiveStrength; }
    const TBitmap& IdleBitmap() const { return *FIdleBitmap; }
    const TBitmap& LitBitmap() const { return *FLitBitmap; }
    const TBitmap& LitActiveBitmap() const { return *FLitActiveBitmap; }
    // The one-time preparation at the first paint: looks and menu entry.
    void InitHighlight();
    // Takes the board's menu and adds the ring's entry (once for a group); no
    // entry off a board image.
    void JoinMenu();
    // Renders the three looks from what lies beneath the ring now.
    void BuildBitmaps();
    // How often the looks were rendered: at the first paint, and again only
    // when the ring's place or the screen's pixel density changed.
    int RenderCount() const { return FRenderCount; }

    // Pointer notifications: marker 0 from pointer tracking and direct calls,
    // 1 in a group broadcast, which is never broadcast again.
    void WndProc(TMessage& message) override;
    void CMMouseEnter(intptr_t marker);
    void CMMouseLeave(intptr_t marker);
    void Click() override;

    void PinGroup();
    void PinPopup();
    void SetPopupActive(bool active);
    void SetActiveState(bool active, bool group);
    // Close handler of the popup this ring built; the popup is hidden.
    void PopupClosed(TObject* Sender, TCloseAction& Action);
    void Unlight();
    void LinkRadioPanel(TRadioPanel* panel);

    static std::string StripAmpersands(const std::string& s);
    static std::string MakeIdentifier(const std::string& s);

    // Popup.
    void ShowPopup();
    void DoneClick(TObject* Sender);

    // Menu entry and navigation.
    void AddMenuEntry();
    void CheckMenuEntry(bool value);
    void MenuItemClick(TObject* Sender);
    void PreviousClick(TObject* Sender);
    void NextClick(TObject* Sender);

    // Keyboard and screen reader (see BoardHighlightKeyboard.cpp): Enter or
    // Space on the ring, and a screen reader's press, do what its menu entry
    // does; a popup closed from the keyboard hands the keyboard back here.
    bool KeyDown(int key, TShiftState shift) override;
    void KeyboardPress();
    bool AccessiblePress() override;
    void GetAccessibleInfo(TAccessibleInfo& info) const override;
    // The popup of the ring's group, whoever built it, and whether it is pinned open.
    TPopupForm* GroupPopup() const;
    bool GroupPinned() const;
    void AnnounceGroupState();
    void TakeKeyboardBack();

    // Top-level menu caption and name stem of a ring type.
    static const char* TypeCaption(THighlightType type);
    static const char* TypeNameStem(THighlightType type);

protected:
    void Paint() override;
    // Once its looks are rendered for its place, a paint is one whole copy of
    // a look and reads nothing beneath.
    bool CoversItself() const override;

private:
    // Group membership and walks (see BoardHighlightGroup.cpp).
    bool OnBoardImage() const;
    bool IsGroupMember(const TControl* control) const;
    // Calls action on each member, in child order as it was when the walk
    // began, whatever the actions do to the order; a member that has gone or
    // left the group meanwhile is skipped. Without a board image the ring is
    // a group of one. Stops when this ring is destroyed.
    void ForEachMember(bool includeSelf, const std::function<void(TBoardHighlight*)>& action);
    bool ClipCoversRing() const;
    bool LooksStale() const;
    void NavigateTo(bool next);
    TMenuItem* FindTypeItemEntry(TMenuItem** topItem) const;

    std::unique_ptr<TBitmap> FIdleBitmap;
    std::unique_ptr<TBitmap> FLitActiveBitmap;
    std::unique_ptr<TBitmap> FLitBitmap;
    float FIdleStrength = 0.0f;
    float FLitActiveStrength = 0.0f;
    float FLitStrength = 0.0f;
    TColor FRingColor = 0;
    THighlightType FHighlightType = htOptions;
    bool FLit = false;
    TGuard<TPopupForm> FPopup;
    std::string FTitle;
    std::string FPlainTitle;
    std::string FIdentTitle;
    TMainMenu* FMenu = nullptr;
    bool FPrepared = false;
    bool FCreatePopup = true;
    bool FPinned = false;
    TGuard<TRadioPanel> FRadioPanel;
    bool FPopupActive = false;
    bool FWholePaintRequested = false;
    TRect FLooksBounds;
    double FLooksRatio = 0.0;
    int FRenderCount = 0;
};
