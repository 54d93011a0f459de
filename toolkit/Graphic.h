#pragma once
// A picture's content: something with a size that can draw itself stretched
// into a rectangle of a canvas.
#include <memory>

#include "toolkit/Object.h"
#include "toolkit/Types.h"

class TCanvas;

class TGraphic : public TObject {
public:
    TK_CLASS_NAME(TGraphic)
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual bool Empty() const { return Width() <= 0 || Height() <= 0; }
    virtual void Draw(TCanvas& canvas, const TRect& dest) = 0;
    virtual std::unique_ptr<TGraphic> Clone() const = 0;

    bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool value);
    // True-colour displays need no palettes: graphics report none, and the
    // modified flag only records that a new picture arrived.
    virtual uintptr_t Palette() const { return 0; }
    bool PaletteModified() const { return FPaletteModified; }
    void SetPaletteModified(bool value) { FPaletteModified = value; }

    TNotifyEvent OnChange;

protected:
    void Changed();

private:
    bool FTransparent = false;
    bool FPaletteModified = false;
};
