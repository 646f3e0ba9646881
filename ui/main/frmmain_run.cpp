// The main window's handlers of a test run: starting, answering, stepping,
// the results, going back to the menu, and the growth of the strip.

#include "ui/main/frmmain.h"

#include "quiz/animation.h"
#include "quiz/grading.h"
#include "ui/controls/commandbutton.h"
#include "ui/controls/focusgroup.h"
#include "ui/controls/imagecontrol.h"
#include "ui/controls/label.h"
#include "ui/controls/picturebox.h"
#include "ui/controls/twips.h"
#include "ui/controls/windowtimer.h"
#include "ui/main/mdldata.h"

#include <QScopedValueRollback>

// Each handler places the focus once, at its end: while it hides or disables
// the focused control the focus stays where it was (see focusNextPrevChild).

namespace {

// Texts read one after another, each ended by a full stop unless it ends
// with a mark of its own.
QString sentences(const QStringList &parts)
{
    QString joined;
    for (QString part : parts) {
        part = part.simplified();
        if (part.isEmpty())
            continue;
        if (!joined.isEmpty())
            joined += QLatin1Char(' ');
        joined += part;
        if (!QStringLiteral(".!?").contains(part.back()))
            joined += QLatin1Char('.');
    }
    return joined;
}

} // namespace

void frmMain::lblTestTitle_Click(std::int16_t index)
{
    const std::int16_t number = lblTestTitle(index)->tag().toShort();
    {
        QScopedValueRollback placing(m_placingFocus, true);
        mdlData::StartTest(*this, number);
        m_run.CurrentTest = number;
        mdlData::ShowQuestion(*this, 0);
    }
    focusQuestion();
}

void frmMain::cmdRandomTest_Click()
{
    m_random.seedFromClock();
    const std::int16_t number = randomTestNumber(m_random.draw());
    m_run.CurrentTest = number;
    {
        QScopedValueRollback placing(m_placingFocus, true);
        mdlData::StartTest(*this, number);
        mdlData::ShowQuestion(*this, 0);
    }
    focusQuestion();
}

void frmMain::cmdRetest_Click()
{
    {
        QScopedValueRollback placing(m_placingFocus, true);
        mdlData::StartTest(*this, m_run.CurrentTest);
        mdlData::ShowQuestion(*this, 0);
    }
    focusQuestion();
}

// Back to the menu, at the title of the test just left.
void frmMain::cmdMenu_Click()
{
    {
        QScopedValueRollback placing(m_placingFocus, true);
        mdlData::ShowMenu(*this);
    }
    focusMenu(m_run.CurrentTest);
}

void frmMain::cmdCloseTest_Click()
{
    {
        QScopedValueRollback placing(m_placingFocus, true);
        mdlData::ShowMenu(*this);
    }
    focusMenu(m_run.CurrentTest);
}

void frmMain::lblAnswer_Click(std::int16_t index)
{
    // The results panel covers the answers while CurrentQuestion is 15, so
    // only a question on show can be answered.
    if (m_run.CurrentQuestion >= m_run.Questions.size())
        return;
    QScopedValueRollback placing(m_placingFocus, true);
    const QRect answer = twips::geometry(lblAnswer(index));
    if (mdlData::isRightAnswer(m_run, index)) {
        twips::setTop(imgRightAnswer, answer.top());
        imgRightAnswer->setVisible(true);
        lblTextResult->setCaption(QStringLiteral("Правильно"));
        mdlData::GrowMush(*this, m_run.CurrentQuestion, 1);
        ++m_run.RightCount;
    } else {
        twips::setTop(imgWrongAnswer, answer.top());
        imgWrongAnswer->setVisible(true);
        lblTextResult->setCaption(QStringLiteral("Ошибка"));
        mdlData::GrowMush(*this, m_run.CurrentQuestion, 0);
    }
    for (int k = 0; k < lblAnswer.size(); ++k)
        lblAnswer(k)->setEnabled(false);
    cmdNextQuest->setEnabled(true);
    // A screen reader reads the verdict and the explanation as the focus
    // arrives (there is no announcement of its own), in the button's name so
    // that they are read whether descriptions are spoken or not.
    const QString &explanation = m_run.Questions[m_run.CurrentQuestion].Explanation;
    cmdNextQuest->setAccessibleName(
        sentences({lblTextResult->caption(), explanation, cmdNextQuest->text()}));
    lblDescription->setCaption(explanation);
    lblTextResult->setVisible(true);
    m_placingFocus = false;
    giveFocus(cmdNextQuest, Qt::OtherFocusReason);
}

void frmMain::cmdNextQuest_Click()
{
    QScopedValueRollback placing(m_placingFocus, true);
    ++m_run.CurrentQuestion;
    const auto last = static_cast<std::uint8_t>(m_run.Questions.size() - 1);
    if (m_run.CurrentQuestion > last) {
        lblTestQuest->setCaption(QStringLiteral("Результаты"));
        const std::int16_t percent = grading::percentFor(m_run.RightCount);
        lblResultPercent->setCaption(grading::scoreText(m_run.RightCount, percent));
        lblResultDescription->setCaption(grading::gradeText(percent));
        // Spoken as the focus enters the panel.
        pchResult->setAccessibleName(sentences({lblResultPercent->caption(), lblResultDescription->text()}));
        pchResult->setVisible(true);
    } else {
        mdlData::ShowQuestion(*this, m_run.CurrentQuestion);
        if (m_run.CurrentQuestion == last)
            cmdNextQuest->setText(QStringLiteral("Показать результаты"));
    }
    for (int k = 0; k < lblAnswer.size(); ++k)
        lblAnswer(k)->setEnabled(true);
    imgRightAnswer->setVisible(false);
    imgWrongAnswer->setVisible(false);
    cmdNextQuest->setEnabled(false);
    cmdNextQuest->setAccessibleName(QString());
    lblDescription->setCaption(QString());
    lblTextResult->setVisible(false);
    m_placingFocus = false;
    if (m_run.CurrentQuestion > last)
        giveFocus(cmdCloseTest, Qt::OtherFocusReason);
    else
        focusQuestion();
}

void frmMain::tmrAnimation_Timer()
{
    const QImage &sheet = spriteSheet();
    const bool idle = animation::advanceCells(m_run, [&](int cell, int frame, int kind) {
        pchMushPlace->copyRect(sheet, animation::spriteRect(frame, kind),
                               animation::cellOrigin(cell));
    });
    if (idle)
        tmrAnimation->setInterval(0);
}
