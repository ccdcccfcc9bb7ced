// orvane-portal: the local stand-in for the portal's services on 127.0.0.1.
//   orvane-portal [--port N] [--port-file FILE] [--log FILE]
// --port 0 (the default) lets the system choose; the chosen port is printed and
// written to the port file once the server listens.
#include "RequestLog.h"

#include <httplib.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

namespace {

const char* kHomePage = R"(<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>6182 游戏</title></head>
<body style="font-family:sans-serif;background:#12324f;color:#fff">
<h1>6182 游戏平台</h1><p>Orvane 本地门户</p></body></html>
)";

struct Options {
    int port = 0;
    std::string portFile;
    std::string logFile = "portal-requests.log";
};

Options Parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string k = argv[i], v = argv[i + 1];
        if (k == "--port")
            o.port = std::stoi(v);
        else if (k == "--port-file")
            o.portFile = v;
        else if (k == "--log")
            o.logFile = v;
    }
    return o;
}

} // namespace

int main(int argc, char** argv) {
    Options opt = Parse(argc, argv);
    RequestLog log(opt.logFile);
    httplib::Server server;

    server.set_pre_routing_handler([&](const httplib::Request& req, httplib::Response&) {
        if (req.path.rfind("/__control/", 0) != 0) log.Append(req);
        return httplib::Server::HandlerResponse::Unhandled;
    });

    // The reachability root and the portal's home page.
    server.Get("/", [](const httplib::Request&, httplib::Response& res) {
        res.set_content(kHomePage, "text/html; charset=utf-8");
    });

    // Reports of the statistics server: the launcher never reads the answer.
    for (const char* path : {"/install.htm", "/active.htm", "/uninstall.htm", "/login.htm"}) {
        server.Get(path, [](const httplib::Request&, httplib::Response& res) {
            res.set_content("ok", "text/plain");
        });
    }

    // Control addresses for the tests.
    server.Get("/__control/log", [&](const httplib::Request&, httplib::Response& res) {
        res.set_content(log.Read(), "application/x-ndjson");
    });
    server.Get("/__control/reset", [&](const httplib::Request&, httplib::Response& res) {
        log.Clear();
        res.set_content("ok", "text/plain");
    });
    server.Get("/__control/quit", [&](const httplib::Request&, httplib::Response& res) {
        res.set_content("bye", "text/plain");
        server.stop();
    });

    int port = opt.port > 0 ? (server.bind_to_port("127.0.0.1", opt.port) ? opt.port : -1)
                            : server.bind_to_any_port("127.0.0.1");
    if (port <= 0) {
        std::cerr << "orvane-portal: cannot listen on 127.0.0.1:" << opt.port << "\n";
        return 1;
    }
    if (!opt.portFile.empty()) {
        std::string tmp = opt.portFile + ".tmp";
        std::ofstream(tmp) << port << "\n";
        std::rename(tmp.c_str(), opt.portFile.c_str());
    }
    std::cout << "orvane-portal listening on http://127.0.0.1:" << port << "/" << std::endl;
    server.listen_after_bind();
    return 0;
}
