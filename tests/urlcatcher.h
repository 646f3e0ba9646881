#pragma once

// Catches the addresses the program hands to the desktop, so that tests can
// check them and no browser starts.

#include <QDesktopServices>
#include <QObject>
#include <QUrl>

class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    UrlCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open"); }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }

    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls << url; }
};
