#pragma once

// The main window: the menu of tests, the question page, the results panel,
// the mushroom strip, the tiled margin around the content box.

#include "quiz/random.h"
#include "quiz/testrun.h"
#include "ui/controls/controlarray.h"

#include <QImage>
#include <QPointF>
#include <QWidget>

#include <cstdint>

class CommandButton;
class FocusGroup;
class FocusRing;
class Keyboard;
class ImageControl;
class Label;
class PictureBox;
class Shape;
class WindowTimer;

class frmMain : public QWidget
{
    Q_OBJECT

public:
    // Creating the window loads it: the menu is built from the bank before
    // the constructor returns. The window starts hidden.
    explicit frmMain(TestRun &run = mdlData::testRun(), RandomSource &random = ClockRandom::global(),
                     QWidget *parent = nullptr);
    ~frmMain() override;

    TestRun &run() { return m_run; }
    // The sprite sheet that the strip is drawn from (the picture of pchMush).
    const QImage &spriteSheet() const;
    // Shows where the keyboard focus is, as after a key in this window.
    void showKeyboardFocus();
    // Where the content box lies in the client area, unrounded.
    QPointF pchMainPosition() const { return m_mainPosition; }

    // Controls, named as in the window's design.
    PictureBox *pchBodybg, *pchMain, *pchMush, *pchResult, *pchMushPlace;
    CommandButton *cmdMenu, *cmdRetest, *cmdCloseTest, *cmdNextQuest, *cmdRandomTest;
    WindowTimer *tmrAnimation;
    Label *lblResultDescription, *lblResultPercent, *lblTextResult, *lblDescription, *lblTestQuest;
    Label *Label1, *Label2, *Label3, *lblTitle;
    ImageControl *imgFinish, *imgGrass, *imgWrongAnswer, *imgRightAnswer, *imgMarker;
    Shape *shpHLight;
    // The answers, as one group that takes the focus and is named by the
    // question; it lies over the whole question page.
    FocusGroup *grpQuestion;
    ControlArray<PictureBox> pchLayer{"pchLayer"};
    ControlArray<Label> lblAnswer{"lblAnswer"};
    ControlArray<Label> lblGroupTitle{"lblGroupTitle"};
    ControlArray<Label> lblTestTitle{"lblTestTitle"};

    // Event handlers; each array event carries the element's index.
    void lblTestTitle_Click(std::int16_t index);
    void cmdRandomTest_Click();
    void cmdRetest_Click();
    void cmdMenu_Click();
    void cmdCloseTest_Click();
    void lblAnswer_Click(std::int16_t index);
    void cmdNextQuest_Click();
    void tmrAnimation_Timer();
    void lblTestTitle_MouseMove(std::int16_t index);
    void lblTestTitle_MouseDown(std::int16_t index);
    void lblTestTitle_MouseUp(std::int16_t index);
    void lblAnswer_MouseMove(std::int16_t index);
    void pchLayer_MouseMove(std::int16_t index);
    void Label2_Click();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // The keyboard: digits answer, arrows move over titles and answers.
    void keyPressEvent(QKeyEvent *event) override;
    // Tab and the arrows pass over controls that lie out of sight; while a
    // handler places the focus itself, hiding or disabling the focused
    // control does not move it on.
    bool focusNextPrevChild(bool next) override;

private:
    void Form_Load();
    void Form_Resize();
    void Form_Unload();
    Label *addTestTitle(std::int16_t index);
    void connectTestTitle(std::int16_t index);
    // Where the keyboard focus goes after a command.
    void giveFocus(QWidget *widget, Qt::FocusReason reason);
    // After a step: the question itself, named to a screen reader by the
    // question, inside the page named by the test's title.
    void focusQuestion();
    // The menu, at the title of a test (the first title for 0).
    void focusMenu(std::int16_t test);
    void followKeyboardFocus(QWidget *focus, bool cueShown);
    void setUpKeyboard();

    TestRun &m_run;
    RandomSource &m_random;
    QPointF m_mainPosition;
    FocusRing *m_focusRing = nullptr;
    Keyboard *m_keyboard = nullptr;
    bool m_placingFocus = false;
};
