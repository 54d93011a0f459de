#pragma once
// The primary screen and the list of all forms, hidden ones included.
#include <vector>

#include "toolkit/Component.h"
#include "toolkit/Types.h"

class TForm;

class TScreen : public TComponent {
public:
    TK_CLASS_NAME(TScreen)
    explicit TScreen(TComponent* AOwner);
    int Width() const;
    int Height() const;
    // The desktop's logical dots per inch for text (96 unless the user chose
    // larger fonts in a way that Qt does not turn into a device pixel ratio).
    int PixelsPerInch() const;
    // The primary screen less the desktop's panels and docks.
    TRect WorkArea() const;
    int FormCount() const { return int(FForms.size()); }
    TForm* Forms(int index) const { return FForms.at(size_t(index)); }
    void AddForm(TForm* form);
    void RemoveForm(TForm* form);

private:
    std::vector<TForm*> FForms;
};

extern TScreen* Screen;
