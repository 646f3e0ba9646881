#include "ui/main/frmmain.h"

#include "app/version.h"
#include "bank/mdltestdata.h"
#include "bank/testrecord.h"
#include "ui/controls/accessibility.h"
#include "ui/controls/commandbutton.h"
#include "ui/controls/focusgroup.h"
#include "ui/controls/focusring.h"
#include "ui/controls/formbuilder.h"
#include "ui/controls/imagecontrol.h"
#include "ui/controls/keyboard.h"
#include "ui/controls/label.h"
#include "ui/controls/picturebox.h"
#include "ui/controls/program.h"
#include "ui/controls/shape.h"
#include "ui/controls/systemcolours.h"
#include "ui/controls/twips.h"
#include "ui/controls/windowtimer.h"
#include "ui/main/composition.h"
#include "ui/main/layoutmath.h"
#include "ui/main/site.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

frmMain::frmMain(TestRun &run, RandomSource &random, QWidget *parent)
    : QWidget(parent), m_run(run), m_random(random)
{
    setObjectName(QStringLiteral("frmMain"));
    accessibility::install();
    fonts::ensureLoaded();
    setFont(fonts::defaultFont());
    // The window keeps its own colours whatever scheme the desktop has.
    systemcolours::apply(this);
    setWindowTitle(QString::fromUtf16(product::Name) + QStringLiteral(" - Ливенор 2.0"));
    setWindowIcon(pictures::windowIcon());
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(twips::toPixels(composition::MainClientWidth), twips::toPixels(composition::MainClientHeight));

    const form::Controls c =
        form::build(this, "frmMain", composition::mainPlacements(), composition::mainLooks());
    pchBodybg = c.get<PictureBox>("pchBodybg");
    pchMain = c.get<PictureBox>("pchMain");
    pchMush = c.get<PictureBox>("pchMush");
    pchResult = c.get<PictureBox>("pchResult");
    pchMushPlace = c.get<PictureBox>("pchMushPlace");
    cmdMenu = c.get<CommandButton>("cmdMenu");
    cmdRetest = c.get<CommandButton>("cmdRetest");
    cmdCloseTest = c.get<CommandButton>("cmdCloseTest");
    cmdNextQuest = c.get<CommandButton>("cmdNextQuest");
    cmdRandomTest = c.get<CommandButton>("cmdRandomTest");
    tmrAnimation = c.get<WindowTimer>("tmrAnimation");
    lblResultDescription = c.get<Label>("lblResultDescription");
    lblResultPercent = c.get<Label>("lblResultPercent");
    lblTextResult = c.get<Label>("lblTextResult");
    lblDescription = c.get<Label>("lblDescription");
    lblTestQuest = c.get<Label>("lblTestQuest");
    Label1 = c.get<Label>("Label1");
    Label2 = c.get<Label>("Label2");
    Label3 = c.get<Label>("Label3");
    lblTitle = c.get<Label>("lblTitle");
    imgFinish = c.get<ImageControl>("imgFinish");
    imgGrass = c.get<ImageControl>("imgGrass");
    imgWrongAnswer = c.get<ImageControl>("imgWrongAnswer");
    imgRightAnswer = c.get<ImageControl>("imgRightAnswer");
    imgMarker = c.get<ImageControl>("imgMarker");
    shpHLight = c.get<Shape>("shpHLight");
    for (const char *name : {"pchLayer(0)", "pchLayer(1)"})
        pchLayer.append(c.get<PictureBox>(name));
    for (const char *name : {"lblAnswer(0)", "lblAnswer(1)", "lblAnswer(2)"})
        lblAnswer.append(c.get<Label>(name));
    for (const char *name : {"lblGroupTitle(0)", "lblGroupTitle(1)", "lblGroupTitle(2)",
                             "lblGroupTitle(3)", "lblGroupTitle(4)"})
        lblGroupTitle.append(c.get<Label>(name));
    lblTestTitle.append(c.get<Label>("lblTestTitle(0)"));

    Label3->setCaption(QString::fromUtf16(product::Slogan));
    Label2->setCaption(site::shownAddress());
    pchMushPlace->setPersistentImage(true);
    imgRightAnswer->setAccessibleName(QStringLiteral("Правильно"));
    imgWrongAnswer->setAccessibleName(QStringLiteral("Ошибка"));

    connect(cmdRandomTest, &QPushButton::clicked, this, &frmMain::cmdRandomTest_Click);
    connect(cmdRetest, &QPushButton::clicked, this, &frmMain::cmdRetest_Click);
    connect(cmdMenu, &QPushButton::clicked, this, &frmMain::cmdMenu_Click);
    connect(cmdCloseTest, &QPushButton::clicked, this, &frmMain::cmdCloseTest_Click);
    connect(cmdNextQuest, &QPushButton::clicked, this, &frmMain::cmdNextQuest_Click);
    connect(tmrAnimation, &WindowTimer::timeout, this, &frmMain::tmrAnimation_Timer);
    connect(Label2, &Label::clicked, this, &frmMain::Label2_Click);
    for (std::int16_t i = 0; i < lblAnswer.size(); ++i) {
        // The ring goes round the answer's text, not the whole width of the
        // page that its label spans.
        FocusRing::drawAround(lblAnswer(i), nullptr, 5);
        connect(lblAnswer(i), &Label::clicked, this, [this, i] { lblAnswer_Click(i); });
        connect(lblAnswer(i), &Label::mouseMoved, this, [this, i] { lblAnswer_MouseMove(i); });
    }
    for (std::int16_t i = 0; i < pchLayer.size(); ++i) {
        connect(pchLayer(i), &PictureBox::mouseMoved, this, [this, i] {
            // The pointer takes over: the ring goes before the box, which it
            // would otherwise bring back round the focused title.
            m_focusRing->dropCue();
            pchLayer_MouseMove(i);
        });
    }
    connectTestTitle(0);

    m_focusRing = new FocusRing(this);
    connect(m_focusRing, &FocusRing::aboutToFollow, this, &frmMain::followKeyboardFocus);

    Form_Load();
    setUpKeyboard();
    focusMenu(0);
}

frmMain::~frmMain()
{
    // The ring and the keyboard watch the focus and the keys; they must not
    // act on a window that is being taken apart.
    delete m_keyboard;
    delete m_focusRing;
}

// The answers go into a group that takes the focus after each step; the
// page and the results panel are groups named by the test and the score.
void frmMain::setUpKeyboard()
{
    grpQuestion = new FocusGroup(pchLayer(1));
    grpQuestion->setObjectName(QStringLiteral("grpQuestion"));
    for (Label *answer : lblAnswer)
        grpQuestion->adopt(answer);
    QWidget::setTabOrder(lblAnswer(0)->previousInFocusChain(), grpQuestion);
    FocusRing::drawAround(grpQuestion, lblTestQuest, 3);
    accessibility::announceAsGroup(pchLayer(1));
    accessibility::announceAsGroup(pchResult);

    m_keyboard = new Keyboard(this);
    m_keyboard->setFocusMover([this](QWidget *w, Qt::FocusReason reason) { giveFocus(w, reason); });
    QList<QWidget *> columns(lblTestTitle.begin(), lblTestTitle.end());
    columns << cmdRandomTest;
    m_keyboard->setColumns(columns);
    const QList<QWidget *> answers(lblAnswer.begin(), lblAnswer.end());
    m_keyboard->setRound(grpQuestion, answers);
    m_keyboard->setDigitTargets(answers, [this](int k) {
        const auto index = static_cast<std::int16_t>(k);
        // The marker stands by the answer chosen, not by the focused one.
        if (m_focusRing->cueShown())
            lblAnswer_MouseMove(index);
        lblAnswer_Click(index);
    });
}

const QImage &frmMain::spriteSheet() const
{
    return pictures::image(pictures::Id::Mushrooms);
}

// Builds the menu: one title per test of the bank under its section's
// heading, one label height apart, and lays the question page over it.
void frmMain::Form_Load()
{
    QString previousSection;
    int g = 0;
    std::int16_t k = 0;
    int x = 0;
    int y = 0;
    for (std::int16_t n = catalogue::FirstTest; n <= catalogue::LastTest; ++n) {
        const TestRecord record(mdlTestData::GetTestData(n));
        if (record.section() != previousSection) {
            const QRect heading = twips::geometry(lblGroupTitle(g));
            x = heading.left() + 120;
            y = heading.top() + 120;
            ++g;
            previousSection = record.section();
        }
        Label *title = k > 0 ? addTestTitle(k) : lblTestTitle(k);
        title->setCaption(record.title());
        twips::setTop(title, y + twips::geometry(title).height());
        twips::setLeft(title, x);
        title->setTag(QString::number(n));
        // Titles repeat across sections; a screen reader says which one.
        title->setAccessibleDescription(record.section());
        title->setVisible(true);
        y = twips::geometry(title).top();
        ++k;
    }
    twips::setGeometry(pchLayer(1), twips::geometry(pchLayer(0)));
}

// A new element of the title array, made like element 0 and hidden.
Label *frmMain::addTestTitle(std::int16_t index)
{
    Label *pattern = lblTestTitle(0);
    auto *title = new Label(pattern->parentWidget());
    title->setObjectName(QStringLiteral("lblTestTitle(%1)").arg(index));
    title->setVisible(false);
    title->setFont(pattern->font());
    title->setPalette(pattern->palette());
    title->setTransparent(true);
    title->setCursor(pattern->cursor());
    title->setRole(pattern->role());
    twips::setGeometry(title, twips::geometry(pattern));
    title->stackUnder(cmdRandomTest);
    QWidget::setTabOrder(lblTestTitle(index - 1), title);
    lblTestTitle.append(title);
    connectTestTitle(index);
    return title;
}

void frmMain::connectTestTitle(std::int16_t i)
{
    Label *title = lblTestTitle(i);
    // The keyboard focus shows in the title's highlight box, so the focus
    // follows the pointer: focus and hover never mark two titles.
    FocusRing::drawAround(title, shpHLight, 0);
    connect(title, &Label::clicked, this, [this, i] { lblTestTitle_Click(i); });
    connect(title, &Label::mouseMoved, this, [this, i] {
        lblTestTitle_MouseMove(i);
        giveFocus(lblTestTitle(i), Qt::MouseFocusReason);
    });
    connect(title, &Label::mouseDown, this, [this, i] { lblTestTitle_MouseDown(i); });
    connect(title, &Label::mouseUp, this, [this, i] { lblTestTitle_MouseUp(i); });
}

namespace {

// Headless platforms take no size hints and warn at every one given.
bool takesSizeHints()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QStringLiteral("offscreen") && platform != QStringLiteral("minimal");
}

} // namespace

// Never smaller than the content box, which stays centred.
void frmMain::Form_Resize()
{
    const QSizeF content(layoutmath::ContentWidth, layoutmath::ContentHeight);
    // The window system refuses to resize a minimised or maximised window;
    // such a step is skipped without a word.
    const bool resizable =
        !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    // The window system itself keeps a normal window from being dragged
    // smaller: its minimum is the content box less the frame, whose size is
    // known once the window is shown. Without it a quick drag can end below
    // the minimum after this rule has run. A maximised window has none, so
    // that a screen smaller than the box still shows it centred.
    if (isVisible() && takesSizeHints()) {
        const QSize frame = frameGeometry().size() - size();
        const QSize minimum = layoutmath::atLeastContent(QSize(0, 0), content) - frame;
        setMinimumSize(resizable ? minimum.expandedTo(QSize(0, 0)) : QSize(0, 0));
    }
    // Height first, then width; each step reads the outer size anew, since
    // the first may already have resized the window.
    if (resizable) {
        QSize outer = frameGeometry().size();
        const int wantedHeight = layoutmath::atLeastContent(outer, content).height();
        if (wantedHeight != outer.height())
            resize(width(), height() + wantedHeight - outer.height());
        outer = frameGeometry().size();
        const int wantedWidth = layoutmath::atLeastContent(outer, content).width();
        if (wantedWidth != outer.width())
            resize(width() + wantedWidth - outer.width(), height());
    }
    m_mainPosition = layoutmath::centred(size(), content);
    pchMain->move(layoutmath::toPixel(m_mainPosition.x()), layoutmath::toPixel(m_mainPosition.y()));
}

void frmMain::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmMain::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}

// Tiles the margin with the tile picture from the client area's origin over
// the screen's size, both ends included, each tile at its logical size
// whatever its pixel ratio. All tiles are drawn in one pass; the window
// system shows them only where no child covers the window.
void frmMain::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSize screenSize = screen() ? screen()->size() : size();
    const int columns = layoutmath::lastTileIndex(screenSize.width()) + 1;
    const int rows = layoutmath::lastTileIndex(screenSize.height()) + 1;
    const QRect tiled(0, 0, columns * layoutmath::TileSize, rows * layoutmath::TileSize);
    const QRegion rest = event->region().subtracted(tiled);
    for (const QRect &r : rest)
        painter.fillRect(r, palette().color(QPalette::Window));
    painter.drawTiledPixmap(tiled.intersected(event->rect()), pchBodybg->picture(),
                            event->rect().topLeft() - tiled.topLeft());
}

void frmMain::closeEvent(QCloseEvent *event)
{
    event->accept();
    Form_Unload();
}

// Closing the main window ends the program at once.
void frmMain::Form_Unload()
{
    tmrAnimation->setEnabled(false);
    program::end();
}

void frmMain::lblTestTitle_MouseMove(std::int16_t index)
{
    const QRect title = twips::geometry(lblTestTitle(index));
    twips::setGeometry(shpHLight, title.left() - 120, title.top(), title.width(), title.height());
    shpHLight->lower();
    shpHLight->setVisible(true);
}

void frmMain::lblTestTitle_MouseDown(std::int16_t)
{
    shpHLight->setFillColour(QColor(255, 192, 128)); // 0x0080C0FF
}

void frmMain::lblTestTitle_MouseUp(std::int16_t)
{
    shpHLight->setFillColour(QColor(255, 255, 128)); // 0x0080FFFF
}

void frmMain::lblAnswer_MouseMove(std::int16_t index)
{
    twips::setTop(imgMarker, twips::geometry(lblAnswer(index)).top());
    imgMarker->setVisible(true);
}

void frmMain::pchLayer_MouseMove(std::int16_t)
{
    shpHLight->setVisible(false);
    imgMarker->setVisible(false);
}

void frmMain::Label2_Click()
{
    site::OpenSite();
}

// An inactive window moves its focus without telling anyone; the ring and
// the highlight follow it all the same.
void frmMain::giveFocus(QWidget *widget, Qt::FocusReason reason)
{
    widget->setFocus(reason);
    m_focusRing->follow();
}

void frmMain::showKeyboardFocus()
{
    setAttribute(Qt::WA_KeyboardFocusChange);
    m_focusRing->follow();
}

void frmMain::focusMenu(std::int16_t test)
{
    Label *title = lblTestTitle(0);
    for (Label *t : lblTestTitle) {
        if (t->tag().toShort() == test)
            title = t;
    }
    giveFocus(title, Qt::OtherFocusReason);
}

void frmMain::focusQuestion()
{
    pchLayer(1)->setAccessibleName(lblTitle->text());
    grpQuestion->setAccessibleName(lblTestQuest->text());
    giveFocus(grpQuestion, Qt::OtherFocusReason);
}

// With the keyboard cue shown, the focused title gets the same highlight box
// and the focused answer the same marker as the pointer gives them.
void frmMain::followKeyboardFocus(QWidget *focus, bool cueShown)
{
    if (!cueShown || !focus || focus->window() != this)
        return;
    if (const int title = lblTestTitle.indexOf(qobject_cast<Label *>(focus)); title >= 0) {
        lblTestTitle_MouseMove(static_cast<std::int16_t>(title));
        return;
    }
    if (const int answer = lblAnswer.indexOf(qobject_cast<Label *>(focus)); answer >= 0) {
        lblAnswer_MouseMove(static_cast<std::int16_t>(answer));
        return;
    }
    if (focus == grpQuestion) {
        imgMarker->setVisible(false);
        return;
    }
    if (pchLayer(0)->isAncestorOf(focus))
        shpHLight->setVisible(false);
}

void frmMain::keyPressEvent(QKeyEvent *event)
{
    if (m_keyboard && m_keyboard->keyPress(event))
        return;
    QWidget::keyPressEvent(event);
}

bool frmMain::focusNextPrevChild(bool next)
{
    if (m_placingFocus)
        return true;
    if (!m_keyboard)
        return QWidget::focusNextPrevChild(next);
    return m_keyboard->focusNextPrevChild(next);
}
