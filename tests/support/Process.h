#pragma once
// Child processes for the end-to-end tests: started with an environment of the
// test's choosing, waited for with a time limit, killed with the test.
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

class ChildProcess {
public:
    ChildProcess(const std::vector<std::string>& argv, const std::map<std::string, std::string>& env = {},
                 const std::string& outputFile = "/dev/null") {
        m_pid = ::fork();
        if (m_pid == 0) {
            ::setpgid(0, 0);
            for (const auto& [k, v] : env)
                ::setenv(k.c_str(), v.c_str(), 1);
            FILE* out = std::fopen(outputFile.c_str(), "a");
            if (out) {
                ::dup2(fileno(out), 1);
                ::dup2(fileno(out), 2);
            }
            std::vector<char*> args;
            for (const auto& a : argv)
                args.push_back(const_cast<char*>(a.c_str()));
            args.push_back(nullptr);
            ::execvp(args[0], args.data());
            ::_exit(127);
        }
    }
    ~ChildProcess() {
        if (m_pid > 0 && !m_status) {
            ::kill(-m_pid, SIGKILL);
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    pid_t Pid() const { return m_pid; }
    // The exit code, or nullopt when the process is still running after timeout.
    std::optional<int> Wait(std::chrono::milliseconds timeout) {
        auto until = std::chrono::steady_clock::now() + timeout;
        while (!m_status) {
            int st = 0;
            pid_t r = ::waitpid(m_pid, &st, WNOHANG);
            if (r == m_pid) {
                m_status = WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
                break;
            }
            if (std::chrono::steady_clock::now() > until) return std::nullopt;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return m_status;
    }
    bool Running() { return !Wait(std::chrono::milliseconds(0)).has_value(); }
    void Terminate() { ::kill(m_pid, SIGTERM); }

private:
    pid_t m_pid = -1;
    std::optional<int> m_status;
};

// Runs a command and returns its standard output.
inline std::string Capture(const std::string& command) {
    std::string out;
    if (FILE* p = ::popen(command.c_str(), "r")) {
        char buf[4096];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
            out.append(buf, n);
        ::pclose(p);
    }
    return out;
}
