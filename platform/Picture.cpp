#include "Picture.h"

#include "JpegImage.h"

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic)
{
    FGraphic = std::move(graphic);
    if (OnChange)
        OnChange();
}

void TPicture::Assign(const TPicture *source)
{
    SetGraphic(source && source->Graphic() ? source->Graphic()->Clone() : nullptr);
}

void TPicture::LoadJpeg(const QByteArray &data)
{
    SetGraphic(std::make_unique<TJpegImage>(data));
}
