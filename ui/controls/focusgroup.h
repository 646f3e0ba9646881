#pragma once

// A container that takes the keyboard focus itself and that a screen reader
// announces as a group under its accessible name, once, as the focus enters
// it. It draws nothing and lies over its parent's whole area; pointer events
// reach it only over its children, so the parent's background stays the
// parent's.

#include <QWidget>

class FocusGroup : public QWidget
{
    Q_OBJECT

public:
    explicit FocusGroup(QWidget *parent);

    // Moves `child` into the group at the same place on the parent, keeping
    // its visibility; the group stands where the first child stood in the
    // parent's stacking order.
    void adopt(QWidget *child);
};
