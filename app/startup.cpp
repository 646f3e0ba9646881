#include "app/startup.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#if defined(Q_OS_UNIX)
#include <langinfo.h>
#endif

namespace startup {

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler g_previous = nullptr;
QList<HeldMessage> g_held;
QByteArray g_programName = "livenor";
QByteArray g_platform; // as asked for on the command line or in the environment

QByteArray firstPlatform(QByteArray requested)
{
    // "xcb:option=value;wayland" asks for xcb first.
    if (const qsizetype end = requested.indexOf(';'); end >= 0)
        requested.truncate(end);
    if (const qsizetype options = requested.indexOf(':'); options >= 0)
        requested.truncate(options);
    return requested.trimmed().toLower();
}

// One line that names what is missing.
QByteArray failureLine()
{
    const QByteArray display = qgetenv("DISPLAY");
    QByteArray line = g_programName + ": ";
    if (!g_platform.isEmpty() && g_platform != "xcb")
        line += "cannot start the window system \"" + g_platform + "\"";
    else if (display.isEmpty())
        line += "no display to show the windows on: DISPLAY is not set";
    else
        line += "cannot connect to the X display \"" + display + "\"";
    return line + '\n';
}

void guardingHandler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg && text.contains(QLatin1String("platform plugin"))) {
        const QByteArray line = failureLine();
        std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
        std::fflush(stderr);
        // Ends here: no exit handlers, no abort, no core dump.
        std::_Exit(1);
    }
    if (type == QtFatalMsg) {
        // Any other fatal message is the toolkit's own business.
        if (g_previous) {
            g_previous(type, context, text);
        } else {
            std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
        }
        return;
    }
    g_held.append({type, QByteArray(context.category), text});
}

} // namespace

void guardWindowSystem(int argc, char **argv)
{
    if (argc > 0 && argv[0]) {
        const char *slash = std::strrchr(argv[0], '/');
        g_programName = slash ? slash + 1 : argv[0];
    }
    g_platform = firstPlatform(qgetenv("QT_QPA_PLATFORM"));
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            g_platform = firstPlatform(argv[i + 1]);
    }
    g_previous = qInstallMessageHandler(guardingHandler);
}

void windowSystemReady()
{
    qInstallMessageHandler(g_previous);
    const QList<HeldMessage> held = std::exchange(g_held, {});
    for (const HeldMessage &m : held) {
        const QMessageLogContext context(nullptr, 0, nullptr,
                                         m.category.isEmpty() ? nullptr : m.category.constData());
        qt_message_output(m.type, context, m.text);
    }
}

void useUtf8CharacterType()
{
#if defined(Q_OS_UNIX)
    const char *codeset = nl_langinfo(CODESET);
    if (qstricmp(codeset, "UTF-8") == 0 || qstricmp(codeset, "utf8") == 0)
        return;
    if (!std::setlocale(LC_CTYPE, "C.UTF-8"))
        std::setlocale(LC_CTYPE, "C.utf8");
#endif
}

} // namespace startup
