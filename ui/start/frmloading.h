#pragma once

// The start window: introduction, version, a progress strip that fills in
// random steps, then a start button that opens the main window. Creating it
// loads it, and loading creates the main window hidden, which builds the
// menu of tests before the start window is first shown.

#include "quiz/random.h"
#include "quiz/testrun.h"
#include "ui/start/loadingprogress.h"

#include <QWidget>

#include <memory>

class CommandButton;
class FocusRing;
class Keyboard;
class Label;
class PictureBox;
class Shape;
class WindowTimer;
class frmMain;

class frmLoading : public QWidget
{
    Q_OBJECT

public:
    explicit frmLoading(RandomSource &random = ClockRandom::global(),
                        TestRun &run = mdlData::testRun(), QWidget *parent = nullptr);
    ~frmLoading() override;

    // Shows the window with its frame centred on the screen.
    void showCentred();

    frmMain *mainWindow() const { return m_main.get(); }
    const LoadingProgress &progress() const { return m_progress; }

    CommandButton *cmdStart;
    PictureBox *pchLoading, *pchProgress;
    WindowTimer *tmrLoading;
    Label *lblVersion, *lblSite, *lbIntro;
    Shape *shpHLight;

    void tmrLoading_Timer();
    void cmdStart_Click();
    void Form_KeyUp(int keyCode);
    void Form_MouseMove();
    void lblSite_MouseMove();
    void lblSite_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Form_Unload();
    void centreFrame();

    RandomSource &m_random;
    TestRun &m_run;
    LoadingProgress m_progress;
    std::unique_ptr<frmMain> m_main;
    FocusRing *m_focusRing = nullptr;
    Keyboard *m_keyboard = nullptr;
    bool m_centring = false; // centre again once the frame's size is known
    bool m_painted = false;
};
