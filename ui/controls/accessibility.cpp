#include "ui/controls/accessibility.h"

#include "ui/controls/commandbutton.h"
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

class LabelAccessible : public ControlAccessible
{
public:
    explicit LabelAccessible(Label *label) : ControlAccessible(label, roleOf(label)) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && label()->accessibleName().isEmpty())
            return label()->text();
        return ControlAccessible::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = ControlAccessible::state();
        if (label()->role() == Label::Role::Link)
            s.linked = true;
        return s;
    }

    QStringList actionNames() const override
    {
        if (!label()->isPressable())
            return ControlAccessible::actionNames();
        return {QAccessibleActionInterface::pressAction()};
    }

    // A click can only reach a label that is in sight.
    void doAction(const QString &action) override
    {
        if (label()->isPressable() && action == QAccessibleActionInterface::pressAction()
            && label()->isVisible() && !stacking::isCovered(label()))
            label()->press();
        else
            ControlAccessible::doAction(action);
    }

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

class ButtonAccessible : public ControlAccessible
{
public:
    explicit ButtonAccessible(CommandButton *button) : ControlAccessible(button, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && button()->accessibleName().isEmpty())
            return button()->text();
        return ControlAccessible::text(t);
    }

    QStringList actionNames() const override
    {
        return QStringList{QAccessibleActionInterface::pressAction()} + ControlAccessible::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action != QAccessibleActionInterface::pressAction()) {
            ControlAccessible::doAction(action);
            return;
        }
        if (button()->isEnabled() && button()->isVisible() && !stacking::isCovered(button()))
            button()->click();
    }

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
    if (className == QLatin1String("ImageControl"))
        return new ControlAccessible(widget, QAccessible::Graphic);
    if (widget->isWindow() && (className == QLatin1String("frmMain") || className == QLatin1String("frmLoading")))
        return new WindowAccessible(widget);
    return nullptr;
}

} // namespace

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace accessibility
