#pragma once
// A picture painted on its parent's surface.
#include <memory>

#include "toolkit/GraphicControl.h"

class TPicture;

class TImage : public TGraphicControl {
public:
    TK_CLASS_NAME(TImage)
    explicit TImage(TComponent* AOwner);
    ~TImage() override;

    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(const TPicture* picture);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    bool Center() const { return FCenter; }
    void SetCenter(bool value);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value);

    void GetAccessibleInfo(TAccessibleInfo& info) const override;

protected:
    void Paint() override;

private:
    void PictureChanged();
    std::unique_ptr<TPicture> FPicture;
    bool FAutoSize = false;
    bool FCenter = false;
    bool FStretch = false;
};
