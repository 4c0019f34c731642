#include "BitmapGraphic.h"

#include <QPainter>

TBitmapGraphic::TBitmapGraphic(QImage image)
    : FImage(std::move(image))
{
}

void TBitmapGraphic::Draw(QPainter &painter, const QRect &dest)
{
    if (!FImage.isNull())
        painter.drawImage(dest, FImage);
}

std::unique_ptr<TGraphic> TBitmapGraphic::Clone() const
{
    auto copy = std::make_unique<TBitmapGraphic>(FImage);
    copy->SetTransparent(Transparent());
    return copy;
}
