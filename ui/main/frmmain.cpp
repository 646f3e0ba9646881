#include "ui/main/frmmain.h"

#include "app/version.h"
#include "bank/mdltestdata.h"
#include "bank/testrecord.h"
#include "ui/controls/accessibility.h"
#include "ui/controls/commandbutton.h"
#include "ui/controls/focusring.h"
#include "ui/controls/formbuilder.h"
#include "ui/controls/imagecontrol.h"
#include "ui/controls/label.h"
#include "ui/controls/picturebox.h"
#include "ui/controls/program.h"
#include "ui/controls/shape.h"
#include "ui/controls/stacking.h"
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

#include <cstdlib>

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
        // Answer texts begin at the label's edge: the ring keeps clear of them.
        FocusRing::drawAround(lblAnswer(i), lblAnswer(i), 5);
        connect(lblAnswer(i), &Label::clicked, this, [this, i] { lblAnswer_Click(i); });
        connect(lblAnswer(i), &Label::mouseMoved, this, [this, i] { lblAnswer_MouseMove(i); });
    }
    for (std::int16_t i = 0; i < pchLayer.size(); ++i)
        connect(pchLayer(i), &PictureBox::mouseMoved, this, [this, i] { pchLayer_MouseMove(i); });
    connectTestTitle(0);

    m_focusRing = new FocusRing(this);
    connect(m_focusRing, &FocusRing::aboutToFollow, this, &frmMain::followKeyboardFocus);

    Form_Load();
    focusMenu();
}

frmMain::~frmMain()
{
    // The ring watches the focus; it must not follow it into a window that
    // is being taken apart.
    delete m_focusRing;
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

void frmMain::focusMenu()
{
    giveFocus(lblTestTitle(0), Qt::OtherFocusReason);
}

// Each answer tells a screen reader the question it answers.
void frmMain::focusFirstAnswer()
{
    for (Label *answer : lblAnswer)
        answer->setAccessibleDescription(lblTestQuest->caption());
    giveFocus(lblAnswer(0), Qt::OtherFocusReason);
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
    if (pchLayer(0)->isAncestorOf(focus))
        shpHLight->setVisible(false);
}

void frmMain::keyPressEvent(QKeyEvent *event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const int key = event->key();
    if (plain && key >= Qt::Key_1 && key < Qt::Key_1 + lblAnswer.size()) {
        event->accept();
        // Exactly what a click on that answer does: nothing unless it is in
        // sight and enabled.
        const auto k = static_cast<std::int16_t>(key - Qt::Key_1);
        Label *answer = lblAnswer(k);
        if (!event->isAutoRepeat() && answer->isEnabled() && answer->isVisible()
            && !stacking::isCovered(answer))
            lblAnswer_Click(k);
        return;
    }
    if (plain && moveFocusByArrow(key)) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

// Up and Down step through the titles in menu order (as Tab does) and round
// the three answers; Left and Right jump to the nearest title of the next
// column.
bool frmMain::moveFocusByArrow(int key)
{
    if (key != Qt::Key_Up && key != Qt::Key_Down && key != Qt::Key_Left && key != Qt::Key_Right)
        return false;
    QWidget *focus = focusWidget();
    const int answer = lblAnswer.indexOf(qobject_cast<Label *>(focus));
    if (answer >= 0) {
        if (key == Qt::Key_Left || key == Qt::Key_Right)
            return false;
        const int step = key == Qt::Key_Down ? 1 : lblAnswer.size() - 1;
        giveFocus(lblAnswer((answer + step) % lblAnswer.size()), Qt::TabFocusReason);
        return true;
    }
    const int title = lblTestTitle.indexOf(qobject_cast<Label *>(focus));
    if (title < 0)
        return false;
    if (key == Qt::Key_Up || key == Qt::Key_Down)
        return focusNextPrevChild(key == Qt::Key_Down);
    if (QWidget *beside = besideTitle(static_cast<std::int16_t>(title), key == Qt::Key_Right ? 1 : -1))
        giveFocus(beside, Qt::TabFocusReason);
    return true;
}

// The title (or the random-test button) in the next column in a direction,
// nearest in height.
QWidget *frmMain::besideTitle(std::int16_t index, int direction) const
{
    const QRect from = twips::geometry(lblTestTitle(index));
    QWidget *best = nullptr;
    int bestScore = 0;
    auto consider = [&](QWidget *candidate) {
        const QRect r = twips::geometry(candidate);
        const int dx = (r.left() - from.left()) * direction;
        if (dx <= 0 || candidate->isHidden())
            return;
        const int score = std::abs(r.top() - from.top()) + dx / 4;
        if (!best || score < bestScore) {
            best = candidate;
            bestScore = score;
        }
    };
    for (Label *title : lblTestTitle)
        consider(title);
    consider(cmdRandomTest);
    return best;
}

bool frmMain::focusNextPrevChild(bool next)
{
    QWidget *from = focusWidget() ? focusWidget() : this;
    QWidget *w = from;
    do {
        w = next ? w->nextInFocusChain() : w->previousInFocusChain();
        if (w != this && w->window() == this && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled()
            && w->isVisibleTo(this) && !stacking::isCovered(w)) {
            giveFocus(w, next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    } while (w != from);
    return false;
}
