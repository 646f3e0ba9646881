#include "ui/main/composition.h"

namespace composition {

using form::Colour;
using form::Kind;
using form::Look;
using fonts::Face;
using pictures::Id;

const std::vector<form::Placement> &mainPlacements()
{
    // Within each container, the control listed first lies on top.
    static const std::vector<form::Placement> table = {
        // name                  kind              container      left   top    width  height tab
        {"pchBodybg",            Kind::PictureBox, "frmMain",     14520, 6240,  1455,  1215,  26},
        {"pchMain",              Kind::PictureBox, "frmMain",     1080,  960,   13300, 9990,  0},
        {"cmdMenu",              Kind::Button,     "pchMain",     10560, 600,   2175,  375,   23},
        {"pchLayer(1)",          Kind::PictureBox, "pchMain",     840,   480,   11655, 7575,  9},
        {"pchMush",              Kind::PictureBox, "pchLayer(1)", 9600,  4560,  2730,  1380,  20},
        {"pchResult",            Kind::PictureBox, "pchLayer(1)", 120,   480,   11415, 4935,  17},
        {"cmdRetest",            Kind::Button,     "pchResult",   240,   3240,  3855,  615,   24},
        {"tmrAnimation",         Kind::Timer,      "pchResult",   9000,  4320,  0,     0,     -1},
        {"cmdCloseTest",         Kind::Button,     "pchResult",   240,   2280,  3855,  615,   18},
        {"lblResultDescription", Kind::Label,      "pchResult",   240,   960,   8775,  1095,  22},
        {"lblResultPercent",     Kind::Label,      "pchResult",   240,   360,   915,   360,   21},
        {"imgFinish",            Kind::Image,      "pchResult",   9480,  0,     1920,  1920,  -1},
        {"cmdNextQuest",         Kind::Button,     "pchLayer(1)", 360,   4440,  3135,  615,   14},
        {"pchMushPlace",         Kind::PictureBox, "pchLayer(1)", 120,   6240,  11295, 990,   19},
        {"imgGrass",             Kind::Image,      "pchLayer(1)", 120,   7200,  11250, 195,   -1},
        {"lblTextResult",        Kind::Label,      "pchLayer(1)", 360,   3720,  2175,  735,   16},
        {"lblDescription",       Kind::Label,      "pchLayer(1)", 5400,  3720,  5895,  2175,  15},
        {"imgWrongAnswer",       Kind::Image,      "pchLayer(1)", 360,   2760,  360,   360,   -1},
        {"imgRightAnswer",       Kind::Image,      "pchLayer(1)", 360,   2040,  360,   360,   -1},
        {"imgMarker",            Kind::Image,      "pchLayer(1)", 240,   1320,  525,   360,   -1},
        {"lblAnswer(2)",         Kind::Label,      "pchLayer(1)", 840,   2760,  10455, 615,   13},
        {"lblAnswer(1)",         Kind::Label,      "pchLayer(1)", 840,   2040,  10455, 615,   12},
        {"lblAnswer(0)",         Kind::Label,      "pchLayer(1)", 840,   1320,  10455, 615,   11},
        {"lblTestQuest",         Kind::Label,      "pchLayer(1)", 120,   120,   11295, 1095,  10},
        {"pchLayer(0)",          Kind::PictureBox, "pchMain",     840,   1440,  11535, 7695,  2},
        {"cmdRandomTest",        Kind::Button,     "pchLayer(0)", 8040,  6120,  2295,  495,   25},
        {"Label1",               Kind::Label,      "pchLayer(0)", 8040,  6720,  3255,  495,   27},
        {"lblGroupTitle(4)",     Kind::Label,      "pchLayer(0)", 4080,  4920,  3135,  360,   8},
        {"lblGroupTitle(3)",     Kind::Label,      "pchLayer(0)", 120,   4920,  3135,  360,   7},
        {"lblGroupTitle(2)",     Kind::Label,      "pchLayer(0)", 8040,  360,   3135,  360,   6},
        {"lblGroupTitle(1)",     Kind::Label,      "pchLayer(0)", 4080,  360,   3135,  360,   5},
        {"lblTestTitle(0)",      Kind::Label,      "pchLayer(0)", 240,   720,   3240,  300,   4},
        {"lblGroupTitle(0)",     Kind::Label,      "pchLayer(0)", 120,   360,   3135,  360,   3},
        {"shpHLight",            Kind::Shape,      "pchLayer(0)", 120,   720,   2295,  375,   -1},
        {"Label3",               Kind::Label,      "pchMain",     2160,  9480,  4350,  240,   29},
        {"Label2",               Kind::Label,      "pchMain",     600,   9480,  1410,  240,   28},
        {"lblTitle",             Kind::Label,      "pchMain",     1680,  360,   10965, 630,   1},
    };
    return table;
}

const std::vector<form::Look> &mainLooks()
{
    const Colour window = Colour::systemWindow();
    const Colour windowText = Colour::systemWindowText();
    const Colour white = Colour::fromRgb(255, 255, 255);
    const Colour green = Colour::fromRgb(0, 128, 0);

    // Texts written at run time (the slogan, the site address, the test
    // titles) are set by the window; these are the design-time texts.
    static const std::vector<Look> looks = {
        Look("pchBodybg").back(window).hidden().picture(Id::Tile),
        Look("pchMain").back(window).picture(Id::Backdrop),
        Look("cmdMenu").text(u"Прекратить тестирование").hidden(),
        Look("pchLayer(1)").back(Colour::fromRgb(255, 255, 255)).hidden(),
        Look("pchMush").back(window).hidden().picture(Id::Mushrooms),
        Look("pchResult").back(window).hidden(),
        Look("cmdRetest").text(u"Пройти этот тест еще раз").font(Face::Sans, 16, true),
        Look("tmrAnimation").interval(0),
        Look("cmdCloseTest").text(u"Выбрать другой тест").font(Face::Sans, 16, true),
        Look("lblResultDescription").text(u"").font(Face::Sans, 13).transparent(),
        Look("lblResultPercent").text(u"0 из 15").font(Face::Sans, 18).fore(windowText).back(window).autoSize(),
        Look("imgFinish").picture(Id::Finish),
        Look("cmdNextQuest").text(u"Следующий вопрос").font(Face::Sans, 16, true).disabled(),
        Look("pchMushPlace").back(window),
        Look("imgGrass").picture(Id::Grass),
        Look("lblTextResult").text(u"Правильно").font(Face::Sans, 24).hidden().transparent(),
        Look("lblDescription").text(u"").font(Face::Sans, 13).transparent(),
        Look("imgWrongAnswer").hidden().picture(Id::WrongMark),
        Look("imgRightAnswer").hidden().picture(Id::RightMark),
        Look("imgMarker").hidden().picture(Id::Marker),
        Look("lblAnswer(2)").text(u"Ответ").font(Face::Sans, 16).transparent().hand().pressable(),
        Look("lblAnswer(1)").text(u"Ответ").font(Face::Sans, 16).transparent().hand().pressable(),
        Look("lblAnswer(0)").text(u"Ответ").font(Face::Sans, 16).fore(windowText).transparent().hand().pressable(),
        Look("lblTestQuest").text(u"Вопрос").font(Face::Sans, 18, true).fore(windowText).transparent(),
        Look("pchLayer(0)").back(window),
        Look("cmdRandomTest").text(u"Случайный тест").font(Face::Sans, 13, true),
        Look("Label1")
            .text(u"При нажатии на эту кнопку, тест из списка будет выбран случайным образом.")
            .fore(Colour::fromRgb(64, 64, 64))
            .transparent(),
        Look("lblGroupTitle(0)").text(u"Анатомия").font(Face::Sans, 18).fore(green).transparent(),
        Look("lblGroupTitle(1)").text(u"Ботаника").font(Face::Sans, 18).fore(green).transparent(),
        Look("lblGroupTitle(2)").text(u"Животные").font(Face::Sans, 18).fore(green).transparent(),
        Look("lblGroupTitle(3)").text(u"Общая биология").font(Face::Sans, 18).fore(green).transparent(),
        Look("lblGroupTitle(4)").text(u"Развивающие").font(Face::Sans, 18).fore(green).transparent(),
        Look("lblTestTitle(0)").text(u"тест1").font(Face::Sans, 13).transparent().hand().pressable(),
        Look("shpHLight").back(Colour::fromRgb(255, 255, 128)).hidden(),
        Look("Label3").font(Face::Sans, 13).fore(white).transparent().autoSize(),
        Look("Label2").font(Face::Sans, 13, false, true).fore(white).transparent().autoSize().hand().link(),
        Look("lblTitle").text(u"Тесты по биологии").font(Face::Serif, 37).fore(white).transparent(),
    };
    return looks;
}

} // namespace composition
