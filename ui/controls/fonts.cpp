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
        // Liberation Serif has the metrics of Times New Roman, and Liberation
        // Sans is the closest free match to MS Sans Serif, so the fixed label
        // sizes of the design hold.
        const QString sans = QStringLiteral("Liberation Sans");
        const QString serif = QStringLiteral("Liberation Serif");
        const QStringList installed = QFontDatabase::families();
        // The carried copies are registered only where the system lacks the
        // substitutes: registering a font costs more than the rest of the
        // start-up together.
        if (!installed.contains(sans) || !installed.contains(serif)) {
            for (const char *file : {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf",
                                     ":/fonts/LiberationSerif-Regular.ttf"})
                QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        }
        return Families{firstAvailable(installed, QStringLiteral("MS Sans Serif"), sans),
                        firstAvailable(installed, QStringLiteral("Times New Roman"), serif)};
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

QFont font(const Style &style)
{
    QFont f(family(style.face));
    f.setPixelSize(style.px);
    f.setBold(style.bold);
    f.setUnderline(style.underline);
    f.setStyleHint(style.face == Face::Serif ? QFont::Serif : QFont::SansSerif);
    // Vertical hinting only: the width of a text is the same whatever
    // hinting the desktop asks for, so that it fits its label everywhere.
    f.setHintingPreference(QFont::PreferVerticalHinting);
    return f;
}

} // namespace fonts
