#pragma once
// A one-thread HTTP server on 127.0.0.1 that records the raw bytes of each
// request and answers with a canned response, written byte for byte as given
// (so a test can leave out Content-Length or send a short body).
#include <arpa/inet.h>
#include <atomic>
#include <mutex>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

class RawHttpServer {
public:
    explicit RawHttpServer(
        std::string response = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\nConnection: close\r\n\r\nok")
        : m_response(std::move(response)) {
        m_fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        int one = 1;
        ::setsockopt(m_fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(m_fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
        ::listen(m_fd, 16);
        socklen_t len = sizeof a;
        ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&a), &len);
        m_port = ntohs(a.sin_port);
        m_thread = std::thread([this] { Serve(); });
    }
    ~RawHttpServer() {
        m_stop = true;
        ::shutdown(m_fd, SHUT_RDWR);
        ::close(m_fd);
        m_thread.join();
    }
    int Port() const { return m_port; }
    void SetResponse(std::string r) {
        std::lock_guard<std::mutex> l(m_mutex);
        m_response = std::move(r);
    }
    std::vector<std::string> Requests() {
        std::lock_guard<std::mutex> l(m_mutex);
        return m_requests;
    }

private:
    void Serve() {
        while (!m_stop) {
            int c = ::accept(m_fd, nullptr, nullptr);
            if (c < 0) continue;
            std::string req;
            char buf[4096];
            while (req.find("\r\n\r\n") == std::string::npos) {
                ssize_t n = ::recv(c, buf, sizeof buf, 0);
                if (n <= 0) break;
                req.append(buf, static_cast<std::size_t>(n));
            }
            std::string response;
            {
                std::lock_guard<std::mutex> l(m_mutex);
                m_requests.push_back(req);
                response = m_response;
            }
            std::size_t off = 0;
            while (off < response.size()) {
                ssize_t n = ::send(c, response.data() + off, response.size() - off, MSG_NOSIGNAL);
                if (n <= 0) break;
                off += static_cast<std::size_t>(n);
            }
            ::shutdown(c, SHUT_WR);
            while (::recv(c, buf, sizeof buf, 0) > 0) {
            }
            ::close(c);
        }
    }

    std::string m_response;
    int m_fd = -1;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::vector<std::string> m_requests;
    std::thread m_thread;
};
