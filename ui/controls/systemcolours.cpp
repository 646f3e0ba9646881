#include "ui/controls/systemcolours.h"

#include <QWidget>

#include <iterator>

namespace systemcolours {

namespace {

struct RoleColours {
    QPalette::ColorRole role;
    QRgb enabled; // active and inactive windows alike
    QRgb disabled;
};

QPalette build()
{
    // The light scheme as the toolkit gives it where the desktop sets none.
    static const RoleColours table[] = {
        {QPalette::WindowText,      0xff000000, 0xffbebebe},
        {QPalette::Button,          0xffefefef, 0xffefefef},
        {QPalette::Light,           0xffffffff, 0xffffffff},
        {QPalette::Midlight,        0xffcacaca, 0xffcacaca},
        {QPalette::Dark,            0xff9f9f9f, 0xffbebebe},
        {QPalette::Mid,             0xffb8b8b8, 0xffb8b8b8},
        {QPalette::Text,            0xff000000, 0xffbebebe},
        {QPalette::BrightText,      0xffffffff, 0xffffffff},
        {QPalette::ButtonText,      0xff000000, 0xffbebebe},
        {QPalette::Base,            0xffffffff, 0xffefefef},
        {QPalette::Window,          0xffefefef, 0xffefefef},
        {QPalette::Shadow,          0xff767676, 0xffb1b1b1},
        {QPalette::Highlight,       0xff308cc6, 0xff919191},
        {QPalette::HighlightedText, 0xffffffff, 0xffffffff},
        {QPalette::Link,            0xff0000ff, 0xff0000ff},
        {QPalette::LinkVisited,     0xffff00ff, 0xffff00ff},
        {QPalette::AlternateBase,   0xfff7f7f7, 0xfff7f7f7},
        {QPalette::NoRole,          0xff000000, 0xff000000},
        {QPalette::ToolTipBase,     0xffffffdc, 0xffffffdc},
        {QPalette::ToolTipText,     0xff000000, 0xff000000},
        {QPalette::PlaceholderText, 0x80000000, 0x80000000},
    };
    static_assert(std::size(table) == std::size_t(QPalette::NColorRoles), "every role has its colours");
    QPalette p;
    for (const RoleColours &c : table) {
        p.setColor(QPalette::Active, c.role, QColor::fromRgba(c.enabled));
        p.setColor(QPalette::Inactive, c.role, QColor::fromRgba(c.enabled));
        p.setColor(QPalette::Disabled, c.role, QColor::fromRgba(c.disabled));
    }
    return p;
}

} // namespace

const QPalette &palette()
{
    static const QPalette p = build();
    return p;
}

void apply(QWidget *window)
{
    // A palette set on a window wins over the application's (and over the
    // desktop's palettes for classes of controls) only in the roles and
    // groups it sets: this one sets them all.
    window->setPalette(palette());
}

} // namespace systemcolours
