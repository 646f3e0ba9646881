#pragma once

// A push button that a focused Enter, keypad Enter or Return clicks, as Space
// does.

#include <QPushButton>

class CommandButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CommandButton(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
