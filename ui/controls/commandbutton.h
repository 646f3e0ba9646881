#pragma once

// A push button that a focused Enter, keypad Enter or Return clicks, as Space
// does. The style draws no focus of its own on it: the window's focus ring
// shows where the focus is, and one mark is enough.

#include <QPushButton>

class CommandButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CommandButton(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
