#include "HomeWheelCell.h"

#include "ImageCache.h"
#include "ImageCacheProvider.h"

HomeWheelCell::HomeWheelCell(const QString &picName, ImageCache *cache, QObject *parent)
    : QObject(parent)
    , m_picName(picName)
{
    const QUrl url(picName);
    cache->load(url, this, [this, url](const QImage &image) {
        if (image.isNull())
            return;
        m_imageSource = ImageCacheProvider::source(url);
        emit imageSourceChanged();
    });
}
