#include "ui/controls/pictures.h"

#include <QHash>

#include <array>

namespace pictures {

namespace {

const char *path(Id id)
{
    switch (id) {
    case Id::MainIcon: return ":/assets/main-icon.ico";
    case Id::Tile: return ":/assets/tile.jpg";
    case Id::Backdrop: return ":/assets/backdrop.jpg";
    case Id::Mushrooms: return ":/assets/mushrooms.gif";
    case Id::Finish: return ":/assets/finish.jpg";
    case Id::Grass: return ":/assets/grass.gif";
    case Id::WrongMark: return ":/assets/wrong.jpg";
    case Id::RightMark: return ":/assets/right.jpg";
    case Id::Marker: return ":/assets/marker.gif";
    case Id::StartBackground: return ":/assets/start-background.jpg";
    case Id::ProgramIcon: return ":/assets/program-icon.ico";
    }
    return "";
}

constexpr int Count = static_cast<int>(Id::ProgramIcon) + 1;

} // namespace

const QImage &image(Id id)
{
    static std::array<QImage, Count> images;
    QImage &slot = images[static_cast<std::size_t>(id)];
    if (slot.isNull()) {
        slot = QImage(QString::fromLatin1(path(id)));
        // One pixel format for all, so copies between them are plain copies.
        if (!slot.isNull() && slot.format() != QImage::Format_RGB32 && !slot.hasAlphaChannel())
            slot = slot.convertToFormat(QImage::Format_RGB32);
    }
    return slot;
}

const QPixmap &pixmap(Id id)
{
    static std::array<QPixmap, Count> pixmaps;
    QPixmap &slot = pixmaps[static_cast<std::size_t>(id)];
    if (slot.isNull())
        slot = QPixmap::fromImage(image(id));
    return slot;
}

const QCursor &handCursor()
{
    static const QCursor cursor(QPixmap(QStringLiteral(":/assets/hand.cur")), 12, 5);
    return cursor;
}

} // namespace pictures
