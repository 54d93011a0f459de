#pragma once
// A read-only rich-text view that loads an RTF document.
#include <string>

#include "toolkit/Memo.h"
#include "toolkit/WinControl.h"

class QTextDocument;

class TRichEdit : public TWinControl {
public:
    TK_CLASS_NAME(TRichEdit)
    explicit TRichEdit(TComponent* AOwner);

    // Replaces the content with the RTF document (bytes in the ANSI code page).
    void LoadRichText(const std::string& rtf);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);
    void SetColor(TColor value) override;
    // Named after its window for a screen reader.
    void SetParent(TWinControl* parent) override;
    std::string PlainText() const;
    QTextDocument* Document() const;

private:
    bool FReadOnly = false;
    TScrollStyle FScrollBars = ssNone;
};
