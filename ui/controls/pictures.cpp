#include "ui/controls/pictures.h"

#include <QGuiApplication>

#include <array>
#include <future>
#include <mutex>
#include <vector>

namespace pictures {

namespace {

constexpr int Count = static_cast<int>(Id::StartBackground) + 1;

const char *basePath(Id id)
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

// The logical sizes, which positions and drawing depend on; the tests check
// them against the files. Known without reading a file, so that laying out
// a window loads no picture.
QSize logicalSize(Id id)
{
    switch (id) {
    case Id::Tile: return {300, 300};
    case Id::Backdrop: return {888, 666};
    case Id::Mushrooms: return {1000, 116};
    case Id::Finish: return {128, 128};
    case Id::Grass: return {750, 13};
    case Id::WrongMark: return {24, 24};
    case Id::RightMark: return {24, 24};
    case Id::Marker: return {35, 24};
    case Id::StartBackground: return {400, 327};
    }
    return {};
}

// The file of a picture at a density: the plain one, or its name@2x copy.
QString path(Id id, int density)
{
    QString file = QString::fromLatin1(basePath(id));
    if (density > 1)
        file.insert(file.lastIndexOf(u'.'), QStringLiteral("@%1x").arg(density));
    return file;
}

QImage decode(Id id, int density)
{
    QImage image(path(id, density));
    // One pixel format for all opaque pictures, so that copies between them
    // are plain copies.
    if (!image.isNull() && image.format() != QImage::Format_RGB32 && !image.hasAlphaChannel())
        image = image.convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(density);
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

int density()
{
    // Chosen once, for the densest screen: a ratio of 1.25 or 1.5 takes the
    // 2x copies too, which are drawn scaled down rather than blown up.
    static const int chosen = [] {
        const auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
        return app && app->devicePixelRatio() > 1.0 ? 2 : 1;
    }();
    return chosen;
}

void preload(std::initializer_list<Id> ids)
{
    const int d = density();
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
    s.workers.push_back(std::async(std::launch::async, [jobs = std::move(jobs), d] {
        for (const auto &[id, promise] : jobs)
            promise->set_value(decode(id, d));
    }));
}

void preloadAll()
{
    preload({Id::StartBackground, Id::Backdrop, Id::Tile, Id::Mushrooms, Id::Grass, Id::Finish,
             Id::Marker, Id::RightMark, Id::WrongMark});
}

QSize size(Id id)
{
    return logicalSize(id);
}

const QImage &image(Id id)
{
    const int d = density();
    Store &s = store();
    std::shared_future<QImage> pending;
    {
        std::lock_guard<std::mutex> lock(s.mutex);
        if (!s.decoded[slot(id)].valid()) {
            std::promise<QImage> now;
            now.set_value(decode(id, d));
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
