#pragma once
// A program started by a test, with its standard output and error read through pipes.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

namespace ovis::test {

class ChildProcess {
public:
    explicit ChildProcess(const std::vector<std::string>& argv) {
        int out[2], err[2];
        if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) return;
        std::vector<char*> args;
        for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::dup2(err[1], STDERR_FILENO);
            int devNull = ::open("/dev/null", O_RDONLY);
            ::dup2(devNull, STDIN_FILENO);
            ::execv(args[0], args.data());
            ::_exit(127);
        }
        ::close(out[1]);
        ::close(err[1]);
        out_ = out[0];
        err_ = err[0];
    }
    ~ChildProcess() {
        if (pid_ > 0 && !exited_) {
            ::kill(pid_, SIGKILL);
            Wait();
        }
        if (out_ >= 0) ::close(out_);
        if (err_ >= 0) ::close(err_);
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Reads standard output until it holds `lines` complete lines or `timeout` has passed.
    bool WaitForLines(std::size_t lines, std::chrono::milliseconds timeout) {
        const auto end = std::chrono::steady_clock::now() + timeout;
        while (CountLines() < lines && std::chrono::steady_clock::now() < end) Pump(20);
        return CountLines() >= lines;
    }
    std::string FirstLine() const { return out.substr(0, out.find('\n')); }

    void Signal(int signal) { ::kill(pid_, signal); }
    // Waits for the end and collects the rest of the output; the exit code, or 128 + signal.
    int Wait() {
        if (!exited_) {
            int status = 0;
            while (true) {
                Pump(20);
                pid_t r = ::waitpid(pid_, &status, WNOHANG);
                if (r == pid_) break;
            }
            exited_ = true;
            exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            while (Pump(0)) {
            }
        }
        return exitCode_;
    }

    std::string out, err;

private:
    std::size_t CountLines() const {
        std::size_t n = 0;
        for (char c : out) n += c == '\n';
        return n;
    }
    // Reads what is there; true when something was read.
    bool Pump(int timeoutMs) {
        pollfd fds[2] = {{out_, POLLIN, 0}, {err_, POLLIN, 0}};
        if (::poll(fds, 2, timeoutMs) <= 0) return false;
        bool any = false;
        char buffer[4096];
        for (int i = 0; i < 2; ++i) {
            if (!(fds[i].revents & (POLLIN | POLLHUP))) continue;
            ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                (i == 0 ? out : err).append(buffer, std::size_t(n));
                any = true;
            } else if (n == 0) {
                ::close(fds[i].fd);
                (i == 0 ? out_ : err_) = -1;  // closed: poll ignores it from now on
            }
        }
        return any;
    }

    pid_t pid_ = -1;
    int out_ = -1, err_ = -1;
    bool exited_ = false;
    int exitCode_ = -1;
};

}  // namespace ovis::test
