// The main window's handlers of a test run: starting, answering, stepping,
// the results, going back to the menu, and the growth of the strip.

#include "ui/main/frmmain.h"

#include "quiz/animation.h"
#include "quiz/grading.h"
#include "ui/controls/commandbutton.h"
#include "ui/controls/imagecontrol.h"
#include "ui/controls/label.h"
#include "ui/controls/picturebox.h"
#include "ui/controls/twips.h"
#include "ui/controls/windowtimer.h"
#include "ui/main/mdldata.h"

void frmMain::lblTestTitle_Click(std::int16_t index)
{
    const std::int16_t number = lblTestTitle(index)->tag().toShort();
    mdlData::StartTest(*this, number);
    m_run.CurrentTest = number;
    mdlData::ShowQuestion(*this, 0);
    focusFirstAnswer();
}

void frmMain::cmdRandomTest_Click()
{
    m_random.seedFromClock();
    const std::int16_t number = randomTestNumber(m_random.draw());
    m_run.CurrentTest = number;
    mdlData::StartTest(*this, number);
    mdlData::ShowQuestion(*this, 0);
    focusFirstAnswer();
}

void frmMain::cmdRetest_Click()
{
    mdlData::StartTest(*this, m_run.CurrentTest);
    mdlData::ShowQuestion(*this, 0);
    focusFirstAnswer();
}

void frmMain::cmdMenu_Click()
{
    mdlData::ShowMenu(*this);
    focusMenu();
}

void frmMain::cmdCloseTest_Click()
{
    mdlData::ShowMenu(*this);
    focusMenu();
}

void frmMain::lblAnswer_Click(std::int16_t index)
{
    // The results panel covers the answers while CurrentQuestion is 15, so
    // only a question on show can be answered.
    if (m_run.CurrentQuestion >= m_run.Questions.size())
        return;
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
    // arrives (there is no announcement of its own).
    const QString &explanation = m_run.Questions[m_run.CurrentQuestion].Explanation;
    cmdNextQuest->setAccessibleDescription(lblTextResult->caption() + QStringLiteral(". ") + explanation);
    giveFocus(cmdNextQuest, Qt::OtherFocusReason);
    lblDescription->setCaption(explanation);
    lblTextResult->setVisible(true);
}

void frmMain::cmdNextQuest_Click()
{
    ++m_run.CurrentQuestion;
    const auto last = static_cast<std::uint8_t>(m_run.Questions.size() - 1);
    if (m_run.CurrentQuestion > last) {
        lblTestQuest->setCaption(QStringLiteral("Результаты"));
        const std::int16_t percent = grading::percentFor(m_run.RightCount);
        lblResultPercent->setCaption(grading::scoreText(m_run.RightCount, percent));
        lblResultDescription->setCaption(grading::gradeText(percent));
        cmdCloseTest->setAccessibleDescription(lblResultPercent->caption() + QStringLiteral(". ")
                                               + lblResultDescription->text());
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
    cmdNextQuest->setAccessibleDescription(QString());
    lblDescription->setCaption(QString());
    lblTextResult->setVisible(false);
    if (m_run.CurrentQuestion > last)
        giveFocus(cmdCloseTest, Qt::OtherFocusReason);
    else
        focusFirstAnswer();
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
