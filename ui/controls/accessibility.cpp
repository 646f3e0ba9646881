#include "ui/controls/accessibility.h"

#include "ui/controls/commandbutton.h"
#include "ui/controls/focusgroup.h"
#include "ui/controls/imagecontrol.h"
#include "ui/controls/label.h"
#include "ui/controls/stacking.h"

namespace accessibility {

ControlAccessible::ControlAccessible(QWidget *widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role)
{
}

QAccessible::State ControlAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    if (!s.invisible && stacking::isCovered(widget())) {
        s.invisible = true;
        s.offscreen = true;
    }
    return s;
}

namespace {

const char *const GroupProperty = "accessibleGroup";

// A control that a screen reader presses as a click would: only while it is
// enabled and in sight, since a click could not reach it otherwise.
class PressableAccessible : public ControlAccessible
{
public:
    using ControlAccessible::ControlAccessible;

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return shownText();
        return ControlAccessible::text(t);
    }

    QStringList actionNames() const override
    {
        if (!isPressable())
            return ControlAccessible::actionNames();
        return QStringList{QAccessibleActionInterface::pressAction()} + ControlAccessible::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (!isPressable() || action != QAccessibleActionInterface::pressAction()) {
            ControlAccessible::doAction(action);
            return;
        }
        if (widget()->isEnabled() && widget()->isVisible() && !stacking::isCovered(widget()))
            press();
    }

protected:
    virtual QString shownText() const = 0;
    virtual bool isPressable() const { return true; }
    virtual void press() = 0;
};

class LabelAccessible : public PressableAccessible
{
public:
    explicit LabelAccessible(Label *label) : PressableAccessible(label, roleOf(label)) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = PressableAccessible::state();
        if (label()->role() == Label::Role::Link)
            s.linked = true;
        return s;
    }

protected:
    QString shownText() const override { return label()->text(); }
    bool isPressable() const override { return label()->isPressable(); }
    void press() override { label()->press(); }

private:
    static QAccessible::Role roleOf(const Label *label)
    {
        switch (label->role()) {
        case Label::Role::Button: return QAccessible::Button;
        case Label::Role::Link: return QAccessible::Link;
        case Label::Role::Text: break;
        }
        return QAccessible::StaticText;
    }
    Label *label() const { return static_cast<Label *>(widget()); }
};

class ButtonAccessible : public PressableAccessible
{
public:
    explicit ButtonAccessible(CommandButton *button) : PressableAccessible(button, QAccessible::Button) {}

protected:
    QString shownText() const override { return button()->text(); }
    void press() override { button()->click(); }

private:
    CommandButton *button() const { return static_cast<CommandButton *>(widget()); }
};

class WindowAccessible : public QAccessibleWidget
{
public:
    explicit WindowAccessible(QWidget *window) : QAccessibleWidget(window, QAccessible::Window) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return widget()->windowTitle();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("Label"))
        return new LabelAccessible(static_cast<Label *>(widget));
    if (className == QLatin1String("CommandButton"))
        return new ButtonAccessible(static_cast<CommandButton *>(widget));
    if (className == QLatin1String("FocusGroup") || widget->property(GroupProperty).toBool())
        return new ControlAccessible(widget, QAccessible::Grouping);
    if (className == QLatin1String("ImageControl"))
        return new ControlAccessible(widget, QAccessible::Graphic);
    if (widget->isWindow() && (className == QLatin1String("frmMain") || className == QLatin1String("frmLoading")))
        return new WindowAccessible(widget);
    return nullptr;
}

} // namespace

void announceAsGroup(QWidget *container)
{
    container->setProperty(GroupProperty, true);
}

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace accessibility
