#pragma once

// A test of the main window as the user finds it: a fresh run, a scripted
// random source, and the window shown and active.

#include "scriptedrandom.h"
#include "testsupport.h"
#include "ui/controls/program.h"
#include "ui/main/frmmain.h"
#include "windowsupport.h"

#include <memory>

class MainWindowTest : public testsupport::StrictTest
{
    Q_OBJECT

protected:
    std::unique_ptr<TestRun> m_run;
    ScriptedRandom m_random;
    std::unique_ptr<frmMain> m_form;

    frmMain &form() { return *m_form; }
    TestRun &run() { return *m_run; }

protected slots:
    void init()
    {
        testsupport::StrictTest::init();
        m_run = std::make_unique<TestRun>();
        m_random.draws.clear();
        m_form = std::make_unique<frmMain>(*m_run, m_random);
        QVERIFY(windowsupport::showActive(m_form.get()));
    }
    void cleanup()
    {
        m_form.reset();
        program::setEndHandler({});
    }
};
