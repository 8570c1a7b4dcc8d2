#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QTemporaryDir>

#include <sys/types.h>

// An X display of one test run's own: a virtual screen of the given size
// (Xvfb, on a display number no other server holds) with a window manager
// on it (openbox), so that windows get the frame, the placement and the
// work area a desktop gives them. Both end with this object, or with the
// test process if it dies first. When either is missing or does not come
// up in time, reason() says why and the tests skip.
class XDesktop
{
public:
    explicit XDesktop(QSize screen);
    ~XDesktop();
    XDesktop(const XDesktop&) = delete;
    XDesktop& operator=(const XDesktop&) = delete;

    bool running() const { return m_reason.isEmpty(); }
    QString reason() const { return m_reason; }
    // ":<number>", for DISPLAY.
    QByteArray display() const { return m_display; }
    // For DBUS_SESSION_BUS_ADDRESS: no bus answers there. This display has
    // no session bus of its own, and with none named the bus library would
    // try to launch one for it.
    QByteArray sessionBusAddress() const;

    // The desktop the test main made for this run; nullptr in other runs.
    static XDesktop* shared();
    static void setShared(XDesktop* desktop);
    // Why a desktop test cannot run here; empty when it can.
    static QString unavailable();

private:
    bool startServer(QSize screen);
    bool startManager();
    bool waitForManager();
    QString logTail(const QString& name) const;

    QTemporaryDir m_dir;
    QByteArray m_display;
    pid_t m_server = -1;
    pid_t m_manager = -1;
    QString m_reason;
};
