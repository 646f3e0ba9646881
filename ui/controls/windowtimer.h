#pragma once

// A window timer: it fires every interval milliseconds while it is enabled
// and its interval is not 0. Setting the interval of an enabled timer starts
// the count afresh; setting it on a disabled timer does not start it.

#include <QObject>
#include <QTimer>

class WindowTimer : public QObject
{
    Q_OBJECT

public:
    explicit WindowTimer(QObject *parent = nullptr);

    int interval() const { return m_interval; }
    void setInterval(int ms);
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool isRunning() const { return m_timer.isActive(); }

signals:
    void timeout();

private:
    void apply();

    QTimer m_timer;
    int m_interval = 0;
    bool m_enabled = true;
};
