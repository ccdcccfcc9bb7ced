#include "RequestLog.h"

#include <cstdio>
#include <fstream>
#include <sstream>

std::string JsonString(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

void RequestLog::Append(const httplib::Request& req) {
    std::string target = req.target;
    auto q = target.find('?');
    std::string path = q == std::string::npos ? target : target.substr(0, q);
    std::string query = q == std::string::npos ? std::string() : target.substr(q + 1);
    std::string line = "{\"method\":" + JsonString(req.method) + ",\"path\":" + JsonString(path) +
                       ",\"query\":" + JsonString(query) + ",\"target\":" + JsonString(target) +
                       ",\"headers\":{";
    bool first = true;
    for (const auto& [name, value] : req.headers) {
        if (name == "REMOTE_ADDR" || name == "REMOTE_PORT" || name == "LOCAL_ADDR" || name == "LOCAL_PORT")
            continue;
        if (!first) line += ",";
        first = false;
        line += JsonString(name) + ":" + JsonString(value);
    }
    line += "}}\n";
    std::lock_guard<std::mutex> l(m_mutex);
    std::ofstream out(m_path, std::ios::app | std::ios::binary);
    out << line;
}

void RequestLog::Clear() {
    std::lock_guard<std::mutex> l(m_mutex);
    std::ofstream out(m_path, std::ios::trunc | std::ios::binary);
}

std::string RequestLog::Read() const {
    std::lock_guard<std::mutex> l(m_mutex);
    std::ifstream in(m_path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}
