#include "ui/main/layoutmath.h"

#include <cmath>

namespace layoutmath {

QPointF centred(const QSize &client, const QSizeF &content)
{
    const float left = (static_cast<float>(client.width()) - static_cast<float>(content.width())) / 2.0f;
    const float top = (static_cast<float>(client.height()) - static_cast<float>(content.height())) / 2.0f;
    return QPointF(left, top);
}

int toPixel(double position)
{
    return static_cast<int>(std::nearbyint(position));
}

QSize atLeastContent(const QSize &outer, const QSizeF &content)
{
    QSize size = outer;
    if (size.height() < content.height())
        size.setHeight(static_cast<int>(std::ceil(content.height())));
    if (size.width() < content.width())
        size.setWidth(static_cast<int>(std::ceil(content.width())));
    return size;
}

int lastTileIndex(int screenExtent)
{
    return static_cast<int>(std::nearbyint(screenExtent / double(TileSize)));
}

} // namespace layoutmath
