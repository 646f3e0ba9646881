#include "ui/controls/formbuilder.h"

#include "ui/controls/commandbutton.h"
#include "ui/controls/imagecontrol.h"
#include "ui/controls/label.h"
#include "ui/controls/picturebox.h"
#include "ui/controls/shape.h"
#include "ui/controls/systemcolours.h"
#include "ui/controls/twips.h"
#include "ui/controls/windowtimer.h"

#include <algorithm>
#include <map>

namespace form {

QColor Colour::resolve() const
{
    switch (source) {
    case Source::Rgb: return QColor(rgb);
    case Source::SystemWindow: return systemcolours::window();
    case Source::SystemWindowText: return systemcolours::windowText();
    case Source::Unset: break;
    }
    return QColor();
}

namespace {

bool isWindowed(Kind kind)
{
    return kind == Kind::PictureBox || kind == Kind::Button;
}

QObject *create(Kind kind, QWidget *parent)
{
    switch (kind) {
    case Kind::PictureBox: return new PictureBox(parent);
    case Kind::Label: {
        auto *label = new Label(parent);
        label->setForegroundColour(systemcolours::buttonText());
        return label;
    }
    case Kind::Button: return new CommandButton(parent);
    case Kind::Image: return new ImageControl(parent);
    case Kind::Shape: return new Shape(parent);
    case Kind::Timer: return new WindowTimer(parent);
    }
    return nullptr;
}

QWidget *childArea(QObject *container)
{
    if (auto *box = qobject_cast<PictureBox *>(container))
        return box->clientArea();
    return qobject_cast<QWidget *>(container);
}

} // namespace

void apply(QObject *control, const Look &look)
{
    auto *widget = qobject_cast<QWidget *>(control);
    if (widget && look.hasFont)
        widget->setFont(fonts::font(look.fontStyle));

    if (auto *label = qobject_cast<Label *>(control)) {
        if (look.foreground.isSet())
            label->setForegroundColour(look.foreground.resolve());
        if (look.background.isSet())
            label->setBackgroundColour(look.background.resolve());
        label->setTransparent(!look.opaque);
        label->setAlignment(look.alignment | Qt::AlignTop);
        if (look.pressRole != 0)
            label->setRole(look.pressRole == 2 ? Label::Role::Link : Label::Role::Button);
        if (look.sizesItself)
            label->setAutoSize(true);
        if (look.caption)
            label->setCaption(QString::fromUtf16(look.caption));
    } else if (auto *box = qobject_cast<PictureBox *>(control)) {
        if (look.background.isSet())
            box->setBackgroundColour(look.background.resolve());
        if (look.pictureId >= 0)
            box->setPicture(static_cast<pictures::Id>(look.pictureId));
        box->setBorder(look.flatBorder);
    } else if (auto *button = qobject_cast<CommandButton *>(control)) {
        if (look.caption)
            button->setText(QString::fromUtf16(look.caption));
    } else if (auto *image = qobject_cast<ImageControl *>(control)) {
        if (look.pictureId >= 0)
            image->setPicture(static_cast<pictures::Id>(look.pictureId));
    } else if (auto *shape = qobject_cast<Shape *>(control)) {
        if (look.background.isSet())
            shape->setFillColour(look.background.resolve());
        shape->setOutline(look.outlineColour.isSet() ? look.outlineColour.resolve() : QColor());
    } else if (auto *timer = qobject_cast<WindowTimer *>(control)) {
        timer->setInterval(look.timerInterval);
        timer->setEnabled(look.enabled);
    }

    if (widget) {
        if (look.handPointer)
            widget->setCursor(pictures::handCursor());
        widget->setEnabled(look.enabled);
        widget->setVisible(look.visible);
    }
}

Controls build(QWidget *window, const char *windowName, const std::vector<Placement> &placements,
               const std::vector<Look> &looks)
{
    Controls controls;
    controls.add(QString::fromLatin1(windowName), window);

    std::map<QString, std::vector<std::pair<QWidget *, Kind>>> stacks;
    std::vector<std::pair<int, QWidget *>> tabbed;
    for (const Placement &p : placements) {
        QObject *container = controls.get<QObject>(p.container);
        QObject *control = create(p.kind, childArea(container));
        const QString name = QString::fromLatin1(p.name);
        control->setObjectName(name);
        controls.add(name, control);
        if (auto *widget = qobject_cast<QWidget *>(control)) {
            twips::setGeometry(widget, p.left, p.top, p.width, p.height);
            stacks[QString::fromLatin1(p.container)].emplace_back(widget, p.kind);
            if (p.tabIndex >= 0)
                tabbed.emplace_back(p.tabIndex, widget);
        }
        // A bordered box gets its inner area now, before its children are
        // made, so that they lie inside the border and never paint over it.
        if (auto *box = qobject_cast<PictureBox *>(control)) {
            for (const Look &look : looks) {
                if (look.flatBorder && qstrcmp(look.name, p.name) == 0)
                    box->setBorder(true);
            }
        }
    }

    // Bottom to top: windowless controls in reverse order of listing, then
    // the windowed ones likewise.
    for (auto &[container, children] : stacks) {
        for (bool windowed : {false, true}) {
            for (auto it = children.rbegin(); it != children.rend(); ++it) {
                if (isWindowed(it->second) == windowed)
                    it->first->raise();
            }
        }
    }

    for (const Look &look : looks)
        apply(controls.get<QObject>(look.name), look);

    // The looks decide which controls take the focus.
    std::sort(tabbed.begin(), tabbed.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    QWidget *previous = nullptr;
    for (const auto &entry : tabbed) {
        if (entry.second->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, entry.second);
        previous = entry.second;
    }
    return controls;
}

} // namespace form
