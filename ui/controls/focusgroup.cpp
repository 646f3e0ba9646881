#include "ui/controls/focusgroup.h"

FocusGroup::FocusGroup(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::TabFocus);
    setGeometry(parent->rect());
}

void FocusGroup::adopt(QWidget *child)
{
    const bool first = mask().isEmpty();
    if (first)
        stackUnder(child);
    const bool hidden = child->isHidden();
    const QRect place = child->geometry();
    child->setParent(this);
    child->setGeometry(place);
    child->setVisible(!hidden);
    setMask(first ? QRegion(place) : mask().united(place));
}
