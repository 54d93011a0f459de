#include "toolkit/GraphicControl.h"

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner), FCanvas(std::make_unique<TCanvas>()) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::PaintOn(QImage& surface, const TRect& clip)
{
    struct Detach {
        TCanvas* c;
        ~Detach() { c->Detach(); }
    } detach{FCanvas.get()};
    FCanvas->Attach(&surface, Left(), Top(), clip);
    Paint();
}
