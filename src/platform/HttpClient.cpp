#include "platform/HttpClient.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <curl/curl.h>
#include <mutex>

namespace platform {
namespace {

void GlobalInit() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// Bytes that may not travel raw in a request line are percent-encoded: blanks,
// control characters (a line break would end the line) and non-ASCII bytes.
std::string SafeTarget(std::string_view object) {
    static const char* hex = "0123456789ABCDEF";
    std::string out = "/";
    for (unsigned char c : object) {
        if (c <= 0x20 || c >= 0x7F) {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

struct Transfer {
    const HttpHandlers* handlers = nullptr;
    const std::atomic<bool>* cancel = nullptr;
    HttpResponseHead head;
    bool gotStatus = false;
    bool headDelivered = false;
    bool stoppedByUs = false;
};

bool HeaderIs(std::string_view line, std::string_view name, std::string_view& value) {
    if (line.size() <= name.size() || line[name.size()] != ':') return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(line[i])) !=
            std::tolower(static_cast<unsigned char>(name[i])))
            return false;
    value = line.substr(name.size() + 1);
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t'))
        value.remove_prefix(1);
    while (!value.empty() && (value.back() == '\r' || value.back() == '\n' || value.back() == ' '))
        value.remove_suffix(1);
    return true;
}

size_t OnHeader(char* data, size_t size, size_t n, void* user) {
    auto* t = static_cast<Transfer*>(user);
    std::string_view line(data, size * n);
    if (t->cancel && *t->cancel) return 0;
    if (line.rfind("HTTP/", 0) == 0) { // a new response (after 1xx or a redirect)
        t->head = HttpResponseHead{};
        t->gotStatus = true;
        auto sp = line.find(' ');
        if (sp != std::string_view::npos)
            t->head.status = std::atoi(std::string(line.substr(sp + 1, 3)).c_str());
        return size * n;
    }
    std::string_view value;
    if (HeaderIs(line, "Content-Length", value)) {
        char* end = nullptr;
        std::string v(value);
        unsigned long long len = std::strtoull(v.c_str(), &end, 10);
        if (!v.empty() && end && *end == '\0') t->head.contentLength = len;
    } else if (HeaderIs(line, "Location", value)) {
        t->head.location = std::string(value);
    } else if (line == "\r\n" || line == "\n") {
        if (t->head.status >= 200 || t->head.status == 0) {
            t->headDelivered = true;
            if (!t->handlers) { // the response is not read
                t->stoppedByUs = true;
                return 0;
            }
            if (t->handlers->onHead && !t->handlers->onHead(t->head)) {
                t->stoppedByUs = true;
                return 0;
            }
        }
    }
    return size * n;
}

size_t OnBody(char* data, size_t size, size_t n, void* user) {
    auto* t = static_cast<Transfer*>(user);
    if (t->cancel && *t->cancel) return 0;
    if (!t->handlers || !t->handlers->onBody) return size * n;
    if (!t->handlers->onBody(data, size * n)) {
        t->stoppedByUs = true;
        return 0;
    }
    return size * n;
}

int OnProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    auto* t = static_cast<Transfer*>(user);
    return (t->cancel && *t->cancel) ? 1 : 0;
}

// Host names and IPv4 addresses only: anything else (a user part, a second
// address, blanks) would let the text steer the connection elsewhere.
bool IsPlainHost(std::string_view host) {
    if (host.empty() || host.size() > 253) return false;
    for (unsigned char c : host)
        if (!std::isalnum(c) && c != '.' && c != '-' && c != '_') return false;
    return true;
}

} // namespace

HttpResult HttpGet(const HttpTarget& target, std::string_view body, const HttpHandlers* handlers,
                   const std::atomic<bool>* cancel) {
    GlobalInit();
    HttpResult result;
    if (!IsPlainHost(target.host)) {
        result.error = CURLE_URL_MALFORMAT;
        return result;
    }
    CURL* curl = curl_easy_init();
    if (!curl) {
        result.error = CURLE_FAILED_INIT;
        return result;
    }
    std::string url = "http://" + target.host + ":" + std::to_string(target.port) + "/";
    std::string requestTarget = SafeTarget(target.object);
    Transfer t;
    t.handlers = handlers;
    t.cancel = cancel;

    curl_slist* headers = nullptr;
    for (std::string_view rest = kRequestHeaders; !rest.empty();) {
        auto end = rest.find("\r\n");
        headers = curl_slist_append(headers, std::string(rest.substr(0, end)).c_str());
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 2);
    }
    headers = curl_slist_append(headers, "Accept:"); // no accept types
    headers = curl_slist_append(headers, "Expect:");

    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_REQUEST_TARGET, requestTarget.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http");
    curl_easy_setopt(curl, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_1);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "ZEZ");
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, 20L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, 60L);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, OnHeader);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &t);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, OnBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &t);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, OnProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &t);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    std::string bodyCopy(body);
    if (!bodyCopy.empty()) {
        curl_easy_setopt(curl, CURLOPT_POSTFIELDS, bodyCopy.c_str());
        curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE, static_cast<long>(bodyCopy.size()));
        curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, "GET");
    }

    CURLcode rc = curl_easy_perform(curl);
    result.sent = t.gotStatus;
    result.completed = rc == CURLE_OK;
    if (rc != CURLE_OK && !(t.stoppedByUs && t.gotStatus)) result.error = rc;
    if (rc == CURLE_OK && !t.gotStatus) result.error = CURLE_GOT_NOTHING;
    curl_slist_free_all(headers);
    curl_easy_cleanup(curl);
    return result;
}

bool CheckConnection(std::string_view address) {
    GlobalInit();
    std::string a(address);
    if (a.find("://") == std::string::npos) a = "http://" + a;
    CURL* curl = curl_easy_init();
    if (!curl) return false;
    curl_easy_setopt(curl, CURLOPT_URL, a.c_str());
    curl_easy_setopt(curl, CURLOPT_CONNECT_ONLY, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, 5L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    CURLcode rc = curl_easy_perform(curl);
    curl_easy_cleanup(curl);
    return rc == CURLE_OK;
}

} // namespace platform
