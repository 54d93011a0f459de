#pragma once
// The content of a highlight's popup: a panel that the window definition keeps
// hidden on the main window until a popup takes it in for good, plus the text
// that the popup's status memo shows.
#include <functional>

#include "toolkit/Component.h"
#include "toolkit/CustomPanel.h"
#include "toolkit/StringList.h"

class TMemo;

using TRadioPanelChangeEvent = std::function<void(TObject* Sender)>;

class TRadioPanel : public TCustomPanel {
public:
    TK_CLASS_NAME(TRadioPanel)
    explicit TRadioPanel(TComponent* AOwner);
    ~TRadioPanel() override;

    bool RadioEnabled() const { return FRadioEnabled; }
    void SetRadioEnabled(bool value) { FRadioEnabled = value; }
    TStringList& Lines() { return FLines; }
    const TStringList& Lines() const { return FLines; }
    // Copies the strings; the panel keeps its own list.
    void SetLines(const TStringList& lines);
    int MemoHeight() const { return FMemoHeight; }
    void SetMemoHeight(int value) { FMemoHeight = value; }
    // The anchors the panel takes inside its popup; on the main window it
    // keeps left and top.
    TAnchors FinalAnchors() const { return FFinalAnchors; }
    void SetFinalAnchors(TAnchors value);

    TRadioPanelChangeEvent OnRadioChange;
    // Handed to the popup as its own activation events.
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;

    // Moves the panel into the popup window for the rest of its life.
    void MoveIntoPopup(TWinControl* popup);
    bool InPopup() const { return FInPopup; }
    // The memo of the popup that showed the panel's text (not owned).
    TMemo* StatusMemo() const { return FStatusMemo.Get(); }
    void SetStatusMemo(TMemo* memo);
    bool DesignHidden() const { return FDesignHidden; }

protected:
    void Paint() override;

private:
    TStringList FLines;
    TGuard<TMemo> FStatusMemo;
    bool FRadioEnabled = false;
    int FMemoHeight = 58;
    TAnchors FFinalAnchors = akLeft | akTop;
    bool FInPopup = false;
    bool FDesignHidden = false;
};
