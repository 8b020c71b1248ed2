// A one-shot HTTP responder on 127.0.0.1 for the tests of the update check and the HTTP client.
#pragma once

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

namespace gw::test {

// A file descriptor closed with the object.
class Fd {
public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    ~Fd() { reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    void reset();

private:
    int m_fd;
};

// A listening socket on 127.0.0.1 with a port of the system's choice.
int ListenLoopback(int backlog, uint16_t& port);

// A port on 127.0.0.1 where nothing listens: connecting is refused at once.
uint16_t RefusingPort();

// Serves one connection on its own thread: reads the request head, then does what it is told.
class Responder {
public:
    // answer: the bytes to send back; silent: accept and read but never answer.
    explicit Responder(std::string answer, bool silent = false);
    ~Responder();
    Responder(const Responder&) = delete;
    Responder& operator=(const Responder&) = delete;

    uint16_t Port() const { return m_port; }
    // "127.0.0.1:<port>".
    std::string Host() const;
    std::string Url(const std::string& path) const { return "http://" + Host() + path; }
    // The request head as received, lines without their CR LF.
    std::vector<std::string> RequestLines() const;

private:
    bool WaitReadable(int fd) const;
    void Serve();

    std::string m_answer;
    bool m_silent;
    uint16_t m_port = 0;
    Fd m_listen;
    std::string m_request;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

// An HTTP/1.0 answer with that status line ("200 OK") and body.
std::string Answer(const std::string& status, const std::string& body);

// --- definitions ---------------------------------------------------------------------------------

inline void Fd::reset()
{
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
}

inline int ListenLoopback(int backlog, uint16_t& port)
{
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), size) != 0 || ::listen(fd, backlog) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) != 0)
        ADD_FAILURE() << "cannot listen on 127.0.0.1";
    port = ntohs(address.sin_port);
    return fd;
}

inline uint16_t RefusingPort()
{
    uint16_t port = 0;
    Fd listener(ListenLoopback(1, port));
    return port;  // closed again: nothing listens there now
}

inline Responder::Responder(std::string answer, bool silent)
    : m_answer(std::move(answer)), m_silent(silent), m_listen(ListenLoopback(4, m_port))
{
    m_thread = std::thread([this] { Serve(); });
}

inline Responder::~Responder()
{
    m_stop = true;
    m_thread.join();
}

inline std::string Responder::Host() const { return "127.0.0.1:" + std::to_string(m_port); }

inline std::vector<std::string> Responder::RequestLines() const
{
    std::vector<std::string> lines;
    size_t start = 0, end;
    while ((end = m_request.find("\r\n", start)) != std::string::npos && end != start) {
        lines.push_back(m_request.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

inline bool Responder::WaitReadable(int fd) const
{
    auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!m_stop && std::chrono::steady_clock::now() < limit) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 20) > 0) return true;
    }
    return false;
}

inline void Responder::Serve()
{
    if (!WaitReadable(m_listen.get())) return;
    Fd client(::accept(m_listen.get(), nullptr, nullptr));
    char buffer[4096];
    while (m_request.find("\r\n\r\n") == std::string::npos && WaitReadable(client.get())) {
        ssize_t got = ::recv(client.get(), buffer, sizeof buffer, 0);
        if (got <= 0) return;
        m_request.append(buffer, static_cast<size_t>(got));
    }
    if (m_silent) {
        while (WaitReadable(client.get()) && ::recv(client.get(), buffer, sizeof buffer, 0) > 0) {}
        return;
    }
    ::send(client.get(), m_answer.data(), m_answer.size(), MSG_NOSIGNAL);
}

inline std::string Answer(const std::string& status, const std::string& body)
{
    return "HTTP/1.0 " + status + "\r\nContent-Type: text/html\r\nContent-Length: " + std::to_string(body.size()) +
        "\r\n\r\n" + body;
}

}  // namespace gw::test
