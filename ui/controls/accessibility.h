#pragma once

// What the program's own controls are to a screen reader (through Qt's
// accessibility bridge): pressable labels are buttons or links with a press
// action that does what a click does; images are graphics with their names;
// focus groups and marked containers are groups; the two windows are
// windows named by their titles. A control covered by
// another one is reported as not showing.

#include <QAccessibleWidget>

namespace accessibility {

// Registers the program's interfaces once; later calls do nothing.
void install();

// Makes a container a group to a screen reader, spoken under its accessible
// name as the focus enters it. Call before the container is first reported.
void announceAsGroup(QWidget *container);

// The common base: state and geometry of the program's controls.
class ControlAccessible : public QAccessibleWidget
{
public:
    ControlAccessible(QWidget *widget, QAccessible::Role role);
    QAccessible::State state() const override;
};

} // namespace accessibility
