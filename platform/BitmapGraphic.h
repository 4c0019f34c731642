#pragma once
#include "Graphic.h"

#include <QImage>

// An already decoded image.
class TBitmapGraphic : public TGraphic
{
public:
    explicit TBitmapGraphic(QImage Image);

    int Width() const override { return FImage.width(); }
    int Height() const override { return FImage.height(); }
    void Draw(QPainter &Painter, const QRect &Dest) override;
    std::unique_ptr<TGraphic> Clone() const override;
    bool Empty() override { return FImage.isNull(); }

    const QImage &Image() const { return FImage; }

private:
    QImage FImage;
};
