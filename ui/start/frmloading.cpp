#include "ui/start/frmloading.h"

#include "app/version.h"
#include "ui/controls/accessibility.h"
#include "ui/controls/commandbutton.h"
#include "ui/controls/focusring.h"
#include "ui/controls/formbuilder.h"
#include "ui/controls/keyboard.h"
#include "ui/controls/label.h"
#include "ui/controls/picturebox.h"
#include "ui/controls/program.h"
#include "ui/controls/shape.h"
#include "ui/controls/systemcolours.h"
#include "ui/controls/twips.h"
#include "ui/controls/windowtimer.h"
#include "ui/main/frmmain.h"
#include "ui/main/site.h"

#include <QAccessibleValueInterface>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace {

using form::Colour;
using form::Kind;
using form::Look;

const std::vector<form::Placement> &placements()
{
    // Topmost first.
    static const std::vector<form::Placement> table = {
        // name         kind              container     left  top   width height tab
        {"cmdStart",    Kind::Button,     "frmLoading", 1553, 1680, 2895, 495,  1},
        {"pchLoading",  Kind::PictureBox, "frmLoading", 510,  1800, 4995, 255,  0},
        {"pchProgress", Kind::PictureBox, "pchLoading", 0,    0,    4215, 375,  -1},
        {"tmrLoading",  Kind::Timer,      "frmLoading", 0,    0,    0,    0,    -1},
        {"lblVersion",  Kind::Label,      "frmLoading", 4935, 0,    1005, 195,  -1},
        {"lblSite",     Kind::Label,      "frmLoading", 360,  3435, 5340, 300,  -1},
        {"lbIntro",     Kind::Label,      "frmLoading", 240,  2400, 5535, 840,  -1},
        {"shpHLight",   Kind::Shape,      "frmLoading", 240,  3360, 5535, 375,  -1},
    };
    return table;
}

const std::vector<form::Look> &looks()
{
    static const std::vector<Look> table = {
        Look("cmdStart").text(u"Запустить Ливенор 2.0").font(fonts::Face::Sans, 13, true).hidden(),
        Look("pchLoading").back(Colour::fromRgb(0, 64, 0)).border(),
        Look("pchProgress").back(Colour::fromRgb(255, 255, 0)),
        Look("tmrLoading").interval(LoadingProgress::FillingInterval),
        Look("lblVersion").text(u"Версия: 2.0.0").fore(Colour::fromRgb(192, 192, 192)).alignRight()
            .autoSize().transparent(),
        Look("lblSite").fore(Colour::fromRgb(0, 0, 0)).alignCentre().transparent().hand().link(),
        Look("lbIntro").text(u"Ливенор 2.0 - программа для проверки знаний по биологии.")
            .fore(Colour::fromRgb(255, 255, 255)).transparent(),
        Look("shpHLight").back(Colour::fromRgb(255, 255, 192)).outline(Colour::systemWindowText()),
    };
    return table;
}

const QColor LinkBox(255, 255, 192);
const QColor LinkBoxUnderPointer(255, 255, 255);

// The progress box is a progress bar to a screen reader, its value the
// share of the strip drawn, in per cent.
class ProgressAccessible : public accessibility::ControlAccessible, public QAccessibleValueInterface
{
public:
    ProgressAccessible(QWidget *box, const LoadingProgress &progress)
        : ControlAccessible(box, QAccessible::ProgressBar), m_progress(progress)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return QStringLiteral("Загрузка");
        if (t == QAccessible::Value)
            return QString::number(percent()) + QLatin1Char('%');
        return ControlAccessible::text(t);
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return ControlAccessible::interface_cast(type);
    }
    QVariant currentValue() const override { return percent(); }
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

    static int percentOf(const LoadingProgress &progress)
    {
        return progress.state() == LoadingProgress::State::Filling ? qBound(0, int(progress.intProgress()), 99)
                                                                    : 100;
    }

private:
    int percent() const { return percentOf(m_progress); }
    const LoadingProgress &m_progress;
};

QAccessibleInterface *progressFactory(const QString &className, QObject *object)
{
    if (className != QLatin1String("PictureBox") || object->objectName() != QLatin1String("pchLoading"))
        return nullptr;
    auto *box = static_cast<QWidget *>(object);
    auto *window = qobject_cast<frmLoading *>(box->window());
    return window ? new ProgressAccessible(box, window->progress()) : nullptr;
}

} // namespace

frmLoading::frmLoading(RandomSource &random, TestRun &run, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_random(random), m_run(run)
{
    setObjectName(QStringLiteral("frmLoading"));
    accessibility::install();
    static const bool progressExposed = [] {
        QAccessible::installFactory(progressFactory);
        return true;
    }();
    Q_UNUSED(progressExposed);
    // The background decodes on a worker while fonts load and the main window
    // builds; the main window's pictures follow the first frame (paintEvent).
    pictures::preload({pictures::Id::StartBackground});
    fonts::ensureLoaded();
    setFont(fonts::defaultFont());
    // The window keeps its own colours whatever scheme the desktop has.
    systemcolours::apply(this);
    setWindowTitle(QString::fromUtf16(product::Name) + QStringLiteral(" - Ливенор 2.0"));
    setWindowIcon(pictures::windowIcon());
    setFixedSize(twips::toPixels(6000), twips::toPixels(3975));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);

    const form::Controls c = form::build(this, "frmLoading", placements(), looks());
    cmdStart = c.get<CommandButton>("cmdStart");
    pchLoading = c.get<PictureBox>("pchLoading");
    pchProgress = c.get<PictureBox>("pchProgress");
    tmrLoading = c.get<WindowTimer>("tmrLoading");
    lblVersion = c.get<Label>("lblVersion");
    lblSite = c.get<Label>("lblSite");
    lbIntro = c.get<Label>("lbIntro");
    shpHLight = c.get<Shape>("shpHLight");
    lblSite->setCaption(QStringLiteral("Другие программы и материалы по биологии на сайте ")
                        + QString::fromUtf16(product::SiteHost));

    connect(tmrLoading, &WindowTimer::timeout, this, &frmLoading::tmrLoading_Timer);
    connect(cmdStart, &QPushButton::clicked, this, &frmLoading::cmdStart_Click);
    connect(lblSite, &Label::clicked, this, &frmLoading::lblSite_Click);
    connect(lblSite, &Label::mouseMoved, this, &frmLoading::lblSite_MouseMove);
    qApp->installEventFilter(this);
    m_focusRing = new FocusRing(this);
    m_keyboard = new Keyboard(this);
    // While the strip fills, the focus rests on the progress box, where
    // Enter and Space do nothing.
    pchLoading->setFocusPolicy(Qt::TabFocus);
    pchLoading->setFocus(Qt::OtherFocusReason);

    Form_Load();
    // The introduction is read as the window opens, with the focused box.
    pchLoading->setAccessibleDescription(lbIntro->text());
}

frmLoading::~frmLoading()
{
    qApp->removeEventFilter(this);
    delete m_keyboard;
    delete m_focusRing;
}

void frmLoading::Form_Load()
{
    lblVersion->setCaption(QStringLiteral("Версия: %1.%2.%3")
                               .arg(version::Major)
                               .arg(version::Minor)
                               .arg(version::Revision));
    lbIntro->setCaption(QStringList{
        QStringLiteral("Ливенор 2.0 - проверит ваши знания по биологии."),
        QString(),
        QStringLiteral("Права на программу © 2026 принадлежат проекту «%1».")
            .arg(QString::fromUtf16(product::Name)),
        QStringLiteral("Программу можно бесплатно использовать и распространять."),
    }.join(QStringLiteral("\r\n")));
    m_random.seedFromClock();
    twips::resize(pchProgress, LoadingProgress::StartWidth, twips::geometry(pchProgress).height());
    m_main = std::make_unique<frmMain>(m_run, m_random);
}

void frmLoading::showCentred()
{
    centreFrame();
    show();
    // Where the window system frames a window as it shows it, the frame's
    // size is known now; elsewhere it comes with a later move (moveEvent).
    m_centring = frameGeometry().size() == size();
    if (!m_centring)
        centreFrame();
}

// Centres the window's outer frame, title bar included, on the screen's
// work area, as the window system shows it.
void frmLoading::centreFrame()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    move(area.center() - QRect(QPoint(), frameGeometry().size()).center());
}

void frmLoading::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    if (m_centring && frameGeometry().size() != size()) {
        m_centring = false;
        centreFrame();
    }
}

void frmLoading::tmrLoading_Timer()
{
    const LoadingProgress::Tick tick = m_progress.tick(m_random);
    if (tick.ready) {
        tmrLoading->setEnabled(false);
        // The button takes the focus before the box goes, so that the focus
        // moves once.
        cmdStart->setVisible(true);
        cmdStart->setFocus();
        pchLoading->setVisible(false);
    }
    if (tick.stripWidth >= 0)
        twips::resize(pchProgress, tick.stripWidth, twips::geometry(pchProgress).height());
    if (tick.slowDown)
        tmrLoading->setInterval(LoadingProgress::FullInterval);
    QAccessibleValueChangeEvent changed(pchLoading, ProgressAccessible::percentOf(m_progress));
    QAccessible::updateAccessibility(&changed);
}

void frmLoading::cmdStart_Click()
{
    m_main->setWindowState(Qt::WindowMaximized);
    m_main->show();
    // A start from the keyboard shows the main window's focus at once.
    if (m_focusRing->cueShown())
        m_main->showKeyboardFocus();
    hide();
}

void frmLoading::Form_KeyUp(int keyCode)
{
    if (keyCode == 27) {
        Form_Unload();
    }
}

void frmLoading::Form_MouseMove()
{
    shpHLight->setFillColour(LinkBox);
}

void frmLoading::lblSite_MouseMove()
{
    shpHLight->setFillColour(LinkBoxUnderPointer);
}

void frmLoading::lblSite_Click()
{
    site::OpenSite();
}

// Key preview: every key released while this window is active reaches the
// window before the control that has the focus.
bool frmLoading::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyRelease && isVisible()) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->window() == this) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_Escape && !key->isAutoRepeat()) {
                Form_KeyUp(27);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmLoading::paintEvent(QPaintEvent *)
{
    if (!m_painted) {
        m_painted = true;
        QTimer::singleShot(0, this, [] { pictures::preloadAll(); });
    }
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.fillRect(rect(), palette().color(QPalette::Window));
    p.drawPixmap(0, 0, pictures::pixmap(pictures::Id::StartBackground));
}

void frmLoading::mouseMoveEvent(QMouseEvent *event)
{
    QWidget::mouseMoveEvent(event);
    Form_MouseMove();
}

void frmLoading::closeEvent(QCloseEvent *event)
{
    event->accept();
    Form_Unload();
}

// Closing the start window ends the program, the hidden main window with it.
void frmLoading::Form_Unload()
{
    tmrLoading->setEnabled(false);
    program::end();
}
