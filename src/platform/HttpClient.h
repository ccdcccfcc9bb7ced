#pragma once
// Plain HTTP GET in the launcher's one request form: agent "ZEZ", the two fixed
// headers, HTTP/1.1, nothing cached, the proxy taken from the environment.
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

struct HttpTarget {
    std::string host;
    std::uint16_t port = 80;
    std::string object; // the request target without its leading "/" (query included)
};

struct HttpResponseHead {
    int status = 0;
    std::optional<std::uint64_t> contentLength;
    std::string location;
};

struct HttpHandlers {
    // The final response's status and headers; false stops the transfer.
    std::function<bool(const HttpResponseHead&)> onHead;
    // One piece of the body; false stops the transfer.
    std::function<bool(const char*, std::size_t)> onBody;
};

struct HttpResult {
    bool sent = false;      // the request went out and a response began
    bool completed = false; // the whole response was read
    int error = 0;          // libcurl's code of a failed connect, send or receive; 0 otherwise
};

// The exact header block of every request, the blank before the first line end included.
inline constexpr std::string_view kRequestHeaders =
    "Accept-Language: zh-cn \r\nContent-Type: application/x-www-form-urlencoded\r\n";

// Sends one GET. Without handlers the response is not read: the call returns once
// its status line has arrived. cancel, when given, aborts the transfer once set.
HttpResult HttpGet(const HttpTarget& target, std::string_view body, const HttpHandlers* handlers,
                   const std::atomic<bool>* cancel = nullptr);

// The reachability test: true when a TCP connection to the address's host and
// port (80 by default) can be made within a few seconds.
bool CheckConnection(std::string_view address);

} // namespace platform
