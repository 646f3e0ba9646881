#include "ui/controls/pictures.h"

#include <QCoreApplication>
#include <QImageReader>

#include <array>
#include <future>
#include <mutex>
#include <vector>

namespace pictures {

namespace {

constexpr int Count = static_cast<int>(Id::StartBackground) + 1;

const char *path(Id id)
{
    switch (id) {
    case Id::Tile: return ":/assets/tile.jpg";
    case Id::Backdrop: return ":/assets/backdrop.jpg";
    case Id::Mushrooms: return ":/assets/mushrooms.gif";
    case Id::Finish: return ":/assets/finish.jpg";
    case Id::Grass: return ":/assets/grass.gif";
    case Id::WrongMark: return ":/assets/wrong.jpg";
    case Id::RightMark: return ":/assets/right.jpg";
    case Id::Marker: return ":/assets/marker.gif";
    case Id::StartBackground: return ":/assets/start-background.jpg";
    }
    return "";
}

QImage decode(Id id)
{
    QImage image(QString::fromLatin1(path(id)));
    // One pixel format for all opaque pictures, so that copies between them
    // are plain copies.
    if (!image.isNull() && image.format() != QImage::Format_RGB32 && !image.hasAlphaChannel())
        image = image.convertToFormat(QImage::Format_RGB32);
    return image;
}

struct Store {
    std::mutex mutex;
    std::array<std::shared_future<QImage>, Count> decoded;
    std::vector<std::future<void>> workers;
};

Store &store()
{
    static Store s;
    return s;
}

// The worker must be done before the image plugins are unloaded.
void waitForWorkers()
{
    Store &s = store();
    std::vector<std::future<void>> workers;
    {
        std::lock_guard<std::mutex> lock(s.mutex);
        workers.swap(s.workers);
    }
    for (std::future<void> &w : workers)
        w.wait();
}

std::size_t slot(Id id)
{
    return static_cast<std::size_t>(id);
}

} // namespace

void preload(std::initializer_list<Id> ids)
{
    Store &s = store();
    std::vector<std::pair<Id, std::shared_ptr<std::promise<QImage>>>> jobs;
    std::lock_guard<std::mutex> lock(s.mutex);
    for (Id id : ids) {
        if (s.decoded[slot(id)].valid())
            continue;
        auto promise = std::make_shared<std::promise<QImage>>();
        s.decoded[slot(id)] = promise->get_future().share();
        jobs.emplace_back(id, std::move(promise));
    }
    if (jobs.empty())
        return;
    if (s.workers.empty())
        qAddPostRoutine(waitForWorkers);
    s.workers.push_back(std::async(std::launch::async, [jobs = std::move(jobs)] {
        for (const auto &[id, promise] : jobs)
            promise->set_value(decode(id));
    }));
}

void preloadAll()
{
    preload({Id::StartBackground, Id::Backdrop, Id::Tile, Id::Mushrooms, Id::Grass, Id::Finish,
             Id::Marker, Id::RightMark, Id::WrongMark});
}

QSize size(Id id)
{
    return QImageReader(QString::fromLatin1(path(id))).size();
}

const QImage &image(Id id)
{
    Store &s = store();
    std::shared_future<QImage> pending;
    {
        std::lock_guard<std::mutex> lock(s.mutex);
        if (!s.decoded[slot(id)].valid()) {
            std::promise<QImage> now;
            now.set_value(decode(id));
            s.decoded[slot(id)] = now.get_future().share();
        }
        pending = s.decoded[slot(id)];
    }
    // A shared future keeps its value for the life of the store.
    return pending.get();
}

const QPixmap &pixmap(Id id)
{
    static std::array<QPixmap, Count> pixmaps;
    QPixmap &p = pixmaps[slot(id)];
    if (p.isNull())
        p = QPixmap::fromImage(image(id));
    return p;
}

const QCursor &handCursor()
{
    static const QCursor cursor(QPixmap(QStringLiteral(":/assets/hand.cur")), 12, 5);
    return cursor;
}

const QIcon &windowIcon()
{
    static const QIcon icon = [] {
        QIcon set;
        for (const int side : {16, 32, 48, 64, 128})
            set.addFile(QStringLiteral(":/icons/%1.png").arg(side), QSize(side, side));
        return set;
    }();
    return icon;
}

} // namespace pictures
