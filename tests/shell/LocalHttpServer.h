#pragma once

// A tiny HTTP server on 127.0.0.1 for the version check tests: real sockets,
// one thread, one canned answer per request, or none at all.

#include <QByteArray>
#include <QString>

#include <arpa/inet.h>
#include <atomic>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

class LocalHttpServer {
public:
    enum class Mode { Reply, Stall };

    explicit LocalHttpServer(Mode mode, QByteArray body = {}, int status = 200)
        : m_mode(mode), m_body(std::move(body)), m_status(status)
    {
        m_listen = ::socket(AF_INET, SOCK_STREAM, 0);
        const int on = 1;
        ::setsockopt(m_listen, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        sockaddr_in address = loopback(0);
        ::bind(m_listen, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(m_listen, 8);
        socklen_t length = sizeof address;
        ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&address), &length);
        m_port = ntohs(address.sin_port);
        if (::pipe(m_stop) != 0)
            m_stop[0] = m_stop[1] = -1;
        m_thread = std::thread([this] { run(); });
    }

    ~LocalHttpServer()
    {
        const char byte = 0;
        [[maybe_unused]] const ssize_t written = ::write(m_stop[1], &byte, 1);
        m_thread.join();
        ::close(m_listen);
        ::close(m_stop[0]);
        ::close(m_stop[1]);
    }

    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }
    int requests() const { return m_requests.load(); }

    // A port on 127.0.0.1 where nobody listens.
    static QString baseWithNoServer()
    {
        const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address = loopback(0);
        ::bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address);
        socklen_t length = sizeof address;
        ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
        ::close(probe);
        return QStringLiteral("http://127.0.0.1:%1").arg(ntohs(address.sin_port));
    }

private:
    static sockaddr_in loopback(int port)
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(uint16_t(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        return address;
    }

    // Waits for fd to be readable; false when asked to stop.
    bool waitFor(int fd)
    {
        pollfd fds[2] = {{fd, POLLIN, 0}, {m_stop[0], POLLIN, 0}};
        while (::poll(fds, 2, -1) < 0) {
        }
        return !(fds[1].revents & POLLIN) && (fds[0].revents & (POLLIN | POLLHUP | POLLERR));
    }

    void run()
    {
        while (waitFor(m_listen)) {
            const int client = ::accept(m_listen, nullptr, nullptr);
            if (client < 0)
                continue;
            QByteArray request;
            char buffer[1024];
            bool stopped = false;
            while (!request.contains("\r\n\r\n")) {
                if (!waitFor(client)) {
                    stopped = true;
                    break;
                }
                const ssize_t got = ::recv(client, buffer, sizeof buffer, 0);
                if (got <= 0)
                    break;
                request.append(buffer, got);
            }
            if (!stopped)
                ++m_requests;
            if (!stopped && m_mode == Mode::Reply) {
                QByteArray answer = "HTTP/1.1 " + QByteArray::number(m_status) + " Canned\r\nContent-Length: " +
                                    QByteArray::number(m_body.size()) + "\r\nConnection: close\r\n\r\n" + m_body;
                ::send(client, answer.constData(), size_t(answer.size()), MSG_NOSIGNAL);
            } else if (!stopped) {
                // Accepted, never answered: hold the line until the test ends
                // or the client gives up.
                char drain[256];
                while (waitFor(client) && ::recv(client, drain, sizeof drain, 0) > 0) {
                }
            }
            ::close(client);
        }
    }

    Mode m_mode;
    QByteArray m_body;
    int m_status;
    int m_listen = -1;
    int m_port = 0;
    int m_stop[2] = {-1, -1};
    std::atomic<int> m_requests{0};
    std::thread m_thread;
};
