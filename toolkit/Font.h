#pragma once
// Font description; the surface or widget that uses it turns it into a real font.
#include <string>

#include "toolkit/Types.h"

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4 };
using TFontStyles = unsigned;

class TFont {
public:
    const std::string& Name() const { return FName; }
    void SetName(const std::string& name) { FName = name; }
    // Pixel height of the characters (the negative of a stored "Height").
    int PixelSize() const { return FPixelSize; }
    void SetHeight(int height) { FPixelSize = height < 0 ? -height : height; }
    // Points at 96 pixels per inch.
    int Size() const { return (FPixelSize * 72 + 48) / 96; }
    void SetSize(int points) { FPixelSize = (points * 96 + 36) / 72; }
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles style) { FStyle = style; }
    TColor Color() const { return FColor; }
    void SetColor(TColor color) { FColor = color; }
    friend bool operator==(const TFont&, const TFont&) = default;

private:
    std::string FName = "MS Sans Serif";
    int FPixelSize = 11;
    TFontStyles FStyle = 0;
    TColor FColor = clWindowText;
};
