#pragma once
#include "Graphic.h"

#include <QByteArray>
#include <functional>
#include <memory>

// Holds at most one graphic and tells its owner of every change.
class TPicture
{
public:
    std::function<void()> OnChange;

    TGraphic *Graphic() const { return FGraphic.get(); }
    void SetGraphic(std::unique_ptr<TGraphic> Graphic);
    // Copies the other picture's graphic; a null or empty source empties this one.
    void Assign(const TPicture *Source);
    void LoadJpeg(const QByteArray &Data);

    int Width() const { return FGraphic ? FGraphic->Width() : 0; }
    int Height() const { return FGraphic ? FGraphic->Height() : 0; }

private:
    std::unique_ptr<TGraphic> FGraphic;
};
