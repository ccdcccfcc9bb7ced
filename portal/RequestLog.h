#pragma once
// Appends every request the portal receives to a file, one JSON object a line:
// {"method":..,"path":..,"query":..,"target":..,"headers":{..}}.
#include <httplib.h>

#include <mutex>
#include <string>

class RequestLog {
public:
    explicit RequestLog(std::string path) : m_path(std::move(path)) {}
    void Append(const httplib::Request& req);
    void Clear();
    std::string Read() const;

private:
    std::string m_path;
    mutable std::mutex m_mutex;
};

std::string JsonString(const std::string& s);
