#pragma once
// Holds one graphic (JPEG or bitmap) and tells its owner when it changes.
#include <memory>

#include "toolkit/Graphic.h"

class TPicture : public TObject {
public:
    TK_CLASS_NAME(TPicture)
    TPicture();
    ~TPicture() override;

    TGraphic* Graphic() const { return FGraphic.get(); }
    void SetGraphic(std::unique_ptr<TGraphic> graphic);
    int Width() const { return FGraphic ? FGraphic->Width() : 0; }
    int Height() const { return FGraphic ? FGraphic->Height() : 0; }
    // Copies the other picture's graphic (sharing compressed data) and notifies.
    void Assign(const TPicture* source);
    // Recognises JPEG, BMP and PNG data; throws Exception for anything else.
    void LoadFromMemory(const unsigned char* data, size_t size);
    // The same for bytes that outlive the picture (compiled into the program):
    // a JPEG reads them in place instead of keeping a copy.
    void LoadFromEmbedded(const unsigned char* data, size_t size);

    TNotifyEvent OnChange;

private:
    void Load(const unsigned char* data, size_t size, bool embedded);
    void Changed();
    std::unique_ptr<TGraphic> FGraphic;
};
