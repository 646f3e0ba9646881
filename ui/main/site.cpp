#include "ui/main/site.h"

#include "app/version.h"

#include <QDesktopServices>
#include <QUrl>

namespace site {

QString address()
{
    return QStringLiteral("http://") + QString::fromUtf16(product::SiteHost)
           + QStringLiteral("/?from=livenor");
}

QString shownAddress()
{
    return QStringLiteral("http://") + QString::fromUtf16(product::SiteHost);
}

void OpenSite()
{
    QDesktopServices::openUrl(QUrl(address()));
}

} // namespace site
