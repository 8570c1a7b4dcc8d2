#include "support/XDesktop.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QList>
#include <QStandardPaths>
#include <QThread>

#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace
{

// Generous: a loaded machine running the sanitizer build beside this.
constexpr int kStartMs = 15000;

XDesktop* g_shared = nullptr;

// Starts program with its output in log. The child dies with this process,
// so a test that crashes leaves no server behind. keepFd stays open in it.
pid_t spawn(const QString& program, const QList<QByteArray>& arguments, const QList<QByteArray>& extraEnvironment,
    const QByteArray& log, int keepFd = -1)
{
    QList<QByteArray> environment = extraEnvironment;
    for (char** e = environ; *e; ++e) {
        const QByteArray entry(*e);
        const QByteArray name = entry.left(entry.indexOf('=') + 1);
        if (std::none_of(extraEnvironment.begin(), extraEnvironment.end(),
                [&name](const QByteArray& extra) { return extra.startsWith(name); }))
            environment.append(entry);
    }
    const QByteArray path = QFile::encodeName(program);
    std::vector<char*> argv { const_cast<char*>(path.constData()) };
    for (const QByteArray& argument : arguments)
        argv.push_back(const_cast<char*>(argument.constData()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const QByteArray& entry : environment)
        envp.push_back(const_cast<char*>(entry.constData()));
    envp.push_back(nullptr);

    const pid_t parent = ::getpid();
    const pid_t child = ::fork();
    if (child != 0)
        return child;
    // Only async-signal-safe calls from here on.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent)
        ::_exit(126);
    const int in = ::open("/dev/null", O_RDONLY);
    const int out = ::open(log.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (in < 0 || out < 0)
        ::_exit(126);
    ::dup2(in, STDIN_FILENO);
    ::dup2(out, STDOUT_FILENO);
    ::dup2(out, STDERR_FILENO);
    if (keepFd >= 0)
        ::fcntl(keepFd, F_SETFD, 0);
    ::execve(argv[0], argv.data(), envp.data());
    ::_exit(127);
}

// Whether pid has ended; reaps it and says how.
bool ended(pid_t pid, QString* how = nullptr)
{
    int status = 0;
    const pid_t r = ::waitpid(pid, &status, WNOHANG);
    if (r == 0)
        return false;
    if (how && r == pid) {
        if (WIFEXITED(status))
            *how = QStringLiteral("ended with status %1").arg(WEXITSTATUS(status));
        else if (WIFSIGNALED(status))
            *how = QStringLiteral("ended by signal %1").arg(WTERMSIG(status));
    }
    return true;
}

void stop(pid_t pid)
{
    if (pid <= 0)
        return;
    ::kill(pid, SIGTERM);
    QDeadlineTimer deadline(3000);
    while (!ended(pid)) {
        if (deadline.hasExpired()) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
            return;
        }
        QThread::msleep(10);
    }
}

bool rootHasProperty(xcb_connection_t* connection, xcb_window_t root, const char* name)
{
    xcb_intern_atom_reply_t* atom
        = xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, uint16_t(std::strlen(name)), name), nullptr);
    if (!atom)
        return false;
    const xcb_atom_t a = atom->atom;
    std::free(atom);
    if (a == XCB_ATOM_NONE)
        return false;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, root, a, XCB_GET_PROPERTY_TYPE_ANY, 0, 1), nullptr);
    const bool has = reply && reply->value_len > 0;
    std::free(reply);
    return has;
}

} // namespace

XDesktop::XDesktop(QSize screen)
{
    if (!m_dir.isValid()) {
        m_reason = QStringLiteral("no temporary folder for the X display's logs");
        return;
    }
    if (startServer(screen) && startManager())
        waitForManager();
}

XDesktop::~XDesktop()
{
    stop(m_manager);
    stop(m_server);
}

XDesktop* XDesktop::shared()
{
    return g_shared;
}

void XDesktop::setShared(XDesktop* desktop)
{
    g_shared = desktop;
}

QByteArray XDesktop::sessionBusAddress() const
{
    return "unix:path=" + QFile::encodeName(m_dir.filePath(QStringLiteral("no-session-bus")));
}

QString XDesktop::unavailable()
{
    if (!g_shared)
        return QStringLiteral("no X display of its own: run with --screen=<width>x<height>");
    return g_shared->reason();
}

bool XDesktop::startServer(QSize screen)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (program.isEmpty()) {
        m_reason = QStringLiteral("Xvfb is not installed (Debian package xvfb)");
        return false;
    }
    int pipe[2];
    if (::pipe2(pipe, O_CLOEXEC) != 0) {
        m_reason = QStringLiteral("no pipe for Xvfb's display number");
        return false;
    }
    // Xvfb takes the first display number free of servers and lock files and
    // writes it to the pipe once it takes clients, so test runs side by side
    // never share a display.
    m_server = spawn(program,
        { "-displayfd", QByteArray::number(pipe[1]), "-screen", "0",
            QByteArray::number(screen.width()) + 'x' + QByteArray::number(screen.height()) + "x24", "-nolisten",
            "tcp" },
        {}, QFile::encodeName(m_dir.filePath(QStringLiteral("xvfb.log"))), pipe[1]);
    ::close(pipe[1]);
    QByteArray number;
    QDeadlineTimer deadline(kStartMs);
    while (!number.endsWith('\n') && !deadline.hasExpired()) {
        pollfd fd { pipe[0], POLLIN, 0 };
        if (::poll(&fd, 1, int(std::max<qint64>(deadline.remainingTime(), 0))) <= 0)
            continue;
        char buffer[16];
        const ssize_t n = ::read(pipe[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        number.append(buffer, n);
    }
    ::close(pipe[0]);
    if (m_server < 0 || !number.endsWith('\n')) {
        QString how = QStringLiteral("did not start within %1 s").arg(kStartMs / 1000);
        if (m_server > 0 && ended(m_server, &how))
            m_server = -1;
        m_reason = QStringLiteral("Xvfb ") + how + logTail(QStringLiteral("xvfb.log"));
        return false;
    }
    m_display = ':' + number.trimmed();
    return true;
}

bool XDesktop::startManager()
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("openbox"));
    if (program.isEmpty()) {
        m_reason = QStringLiteral("openbox is not installed (Debian package openbox)");
        return false;
    }
    // The system's own settings of the window manager, none of the user's.
    const QByteArray home = QFile::encodeName(m_dir.path());
    m_manager = spawn(program, { "--sm-disable" },
        { "DISPLAY=" + m_display, "XDG_CONFIG_HOME=" + home + "/config", "XDG_CACHE_HOME=" + home + "/cache",
            "XDG_DATA_HOME=" + home + "/data" },
        QFile::encodeName(m_dir.filePath(QStringLiteral("openbox.log"))));
    if (m_manager < 0) {
        m_reason = QStringLiteral("cannot start openbox: ") + QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    return true;
}

bool XDesktop::waitForManager()
{
    xcb_connection_t* connection = xcb_connect(m_display.constData(), nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        m_reason = QStringLiteral("cannot connect to Xvfb on ") + QString::fromLatin1(m_display);
        return false;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    // Up once it names itself, lists what it supports and gives the work
    // area: what Qt reads from it as the application connects.
    QDeadlineTimer deadline(kStartMs);
    QString how;
    bool up = false;
    while (!up && !deadline.hasExpired() && !ended(m_manager, &how)) {
        up = rootHasProperty(connection, root, "_NET_SUPPORTING_WM_CHECK")
            && rootHasProperty(connection, root, "_NET_SUPPORTED")
            && rootHasProperty(connection, root, "_NET_WORKAREA");
        if (!up)
            QThread::msleep(20);
    }
    xcb_disconnect(connection);
    if (!up) {
        if (how.isEmpty())
            how = QStringLiteral("did not manage the screen within %1 s").arg(kStartMs / 1000);
        else
            m_manager = -1;
        m_reason = QStringLiteral("openbox ") + how + logTail(QStringLiteral("openbox.log"));
    }
    return up;
}

QString XDesktop::logTail(const QString& name) const
{
    QFile file(m_dir.filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray text = file.readAll().trimmed();
    return text.isEmpty() ? QString() : QStringLiteral(": ") + QString::fromLocal8Bit(text.right(400));
}
