#include "ui/controls/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace fonts {

namespace {

struct Families {
    QString sans;
    QString serif;
};

QString firstAvailable(const QStringList &installed, const QString &preferred, const QString &carried)
{
    return installed.contains(preferred) ? preferred : carried;
}

const Families &families()
{
    static const Families resolved = [] {
        QString carriedSans = QStringLiteral("PT Sans");
        QString carriedSerif = QStringLiteral("PT Serif");
        for (const char *file : {":/fonts/PTS55F.ttf", ":/fonts/PTS75F.ttf", ":/fonts/PTF55F.ttf"}) {
            const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(file));
            const QStringList names = QFontDatabase::applicationFontFamilies(id);
            if (names.isEmpty())
                continue;
            if (file[9] == 'S')
                carriedSans = names.first();
            else
                carriedSerif = names.first();
        }
        const QStringList installed = QFontDatabase::families();
        return Families{firstAvailable(installed, QStringLiteral("MS Sans Serif"), carriedSans),
                        firstAvailable(installed, QStringLiteral("Times New Roman"), carriedSerif)};
    }();
    return resolved;
}

} // namespace

void ensureLoaded()
{
    families();
}

QString family(Face face)
{
    return face == Face::Serif ? families().serif : families().sans;
}

QFont font(const Spec &spec)
{
    QFont f(family(spec.face));
    f.setPixelSize(spec.px);
    f.setBold(spec.bold);
    f.setUnderline(spec.underline);
    f.setStyleHint(spec.face == Face::Serif ? QFont::Serif : QFont::SansSerif);
    return f;
}

} // namespace fonts
