#include "ui/main/mdldata.h"

#include "bank/mdltestdata.h"
#include "quiz/animation.h"
#include "ui/controls/commandbutton.h"
#include "ui/controls/imagecontrol.h"
#include "ui/controls/label.h"
#include "ui/controls/picturebox.h"
#include "ui/controls/windowtimer.h"
#include "ui/main/frmmain.h"

namespace mdlData {

void StartTest(frmMain &form, std::int16_t number)
{
    TestRun &run = form.run();
    const QString title = readTest(run, mdlTestData::GetTestData(number));

    // Bare grass in every cell, and no cell of the run before grows on: a
    // mushroom still growing would appear in a cell not yet answered.
    animation::clearCells(run);
    form.tmrAnimation->setInterval(0);
    const QImage &sheet = form.spriteSheet();
    for (int i = 0; i < catalogue::QuestionsPerTest; ++i)
        form.pchMushPlace->copyRect(sheet, animation::spriteRect(0, 0), animation::cellOrigin(i));

    form.lblTitle->setCaption(title);
    for (int k = 0; k < form.lblAnswer.size(); ++k)
        form.lblAnswer(k)->setEnabled(true);
    form.imgMarker->setVisible(false);
    form.imgRightAnswer->setVisible(false);
    form.imgWrongAnswer->setVisible(false);
    form.lblTextResult->setCaption(QString());
    form.lblDescription->setCaption(QString());
    form.pchLayer(0)->setVisible(false);
    form.pchLayer(1)->setVisible(true);
    form.cmdNextQuest->setText(QStringLiteral("Следующий вопрос"));
    form.cmdNextQuest->setEnabled(false);
    form.pchResult->setVisible(false);
    form.cmdMenu->setVisible(true);
    run.CurrentQuestion = 0;
    run.RightCount = 0;
}

void ShowQuestion(frmMain &form, std::uint8_t position)
{
    const TestQuestion &question = form.run().Questions.at(position);
    form.lblTestQuest->setCaption(QString::number(position + 1) + QStringLiteral(". ") + question.Text);
    for (int k = 0; k < form.lblAnswer.size(); ++k)
        form.lblAnswer(k)->setCaption(question.Answers[static_cast<std::size_t>(k)]);
}

void ShowMenu(frmMain &form)
{
    form.pchResult->setVisible(false);
    form.pchLayer(1)->setVisible(false);
    form.pchLayer(0)->setVisible(true);
    form.cmdMenu->setVisible(false);
    form.lblTitle->setCaption(QStringLiteral("Тесты по биологии"));
}

void GrowMush(frmMain &form, std::uint8_t slot, std::uint8_t kind)
{
    animation::startCell(form.run(), slot, kind);
    form.tmrAnimation->setInterval(animation::TickIntervalMs);
}

} // namespace mdlData
