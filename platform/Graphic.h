#pragma once
// A drawable picture format (bitmap, JPEG) as a picture object holds it.

#include <QRect>
#include <memory>

class QPainter;

class TGraphic
{
public:
    virtual ~TGraphic() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Draws the graphic scaled into Dest; a graphic that cannot be shown draws nothing.
    virtual void Draw(QPainter &Painter, const QRect &Dest) = 0;
    virtual std::unique_ptr<TGraphic> Clone() const = 0;
    // True when drawing would show nothing (for JPEG data: when it cannot be decoded).
    virtual bool Empty() = 0;

    // Metafiles and icons keep their own transparency; none of our formats is one.
    virtual bool IsMetafileOrIcon() const { return false; }
    // True-colour displays need no palettes, so no format here carries one.
    virtual bool HasPalette() const { return false; }

    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value) { FTransparent = Value; }
    bool PaletteModified() const { return FPaletteModified; }
    void SetPaletteModified(bool Value) { FPaletteModified = Value; }

private:
    bool FTransparent = false;
    bool FPaletteModified = false;
};
