#pragma once
// A multi-line text box showing its Lines.
#include "toolkit/StringList.h"
#include "toolkit/WinControl.h"

class TMemo : public TWinControl {
public:
    // Named after its window for a screen reader.
    void SetParent(TWinControl* parent) override;
    TK_CLASS_NAME(TMemo)
    explicit TMemo(TComponent* AOwner);

    TStringList& Lines() { return FLines; }
    const TStringList& Lines() const { return FLines; }
    std::string Text() const { return FLines.Text(); }
    void SetText(const std::string& text) { FLines.SetText(text); }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    // Text exactly as the box shows it (lines joined by line feeds).
    std::string DisplayedText() const;

private:
    void LinesChanged();
    TStringList FLines;
    bool FReadOnly = false;
    TScrollStyle FScrollBars = ssNone;
    bool FWordWrap = true;
};
