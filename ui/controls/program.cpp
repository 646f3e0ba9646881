#include "ui/controls/program.h"

#include <QCoreApplication>

namespace program {

namespace {
std::function<void()> &handler()
{
    static std::function<void()> h;
    return h;
}
} // namespace

void end()
{
    if (handler()) {
        handler()();
        return;
    }
    // The event loop returns at once; the events still pending are never
    // delivered, so no handler and no timer runs after this one.
    QCoreApplication::exit(0);
}

void setEndHandler(std::function<void()> h)
{
    handler() = std::move(h);
}

} // namespace program
