// A writer process that is killed at a random moment: it leads a process group of its own
// (so one SIGKILL ends it and whatever it started) and reports each acknowledged write as a
// number on a line of its standard output, read here through a pipe.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace zw::test {

class KilledWriter {
public:
    // Starts `args` (args[0] is the program) with its standard output on a pipe.
    explicit KilledWriter(std::vector<std::string> args) {
        // Children of a killed shell come to this process, so they can be waited for.
        prctl(PR_SET_CHILD_SUBREAPER, 1);
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
        posix_spawnattr_t attr;
        posix_spawnattr_init(&attr);
        posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETPGROUP);
        posix_spawnattr_setpgroup(&attr, 0);
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, argv[0], &actions, &attr, argv.data(), environ) != 0) pid_ = -1;
        posix_spawnattr_destroy(&attr);
        posix_spawn_file_actions_destroy(&actions);
        close(fds[1]);
        readEnd_ = fds[0];
    }
    ~KilledWriter() {
        if (pid_ > 0) killAndReap();
        if (readEnd_ >= 0) close(readEnd_);
    }
    KilledWriter(const KilledWriter&) = delete;
    KilledWriter& operator=(const KilledWriter&) = delete;

    bool started() const { return pid_ > 0 && readEnd_ >= 0; }

    // Kills the whole group after `delay` and waits until every process of it is gone.
    // Returns whether the writer was still running when the kill came (it should be).
    bool killAfter(std::chrono::microseconds delay) {
        std::this_thread::sleep_for(delay);
        int status = 0;
        const bool running = waitpid(pid_, &status, WNOHANG) == 0;
        if (!running) exitStatus_ = status;
        killAndReap();
        return running;
    }

    // Everything the writer printed: the numbers of its acknowledged writes, one per line.
    std::vector<long> acknowledged() {
        std::string text;
        char buffer[4096];
        for (ssize_t n; (n = read(readEnd_, buffer, sizeof buffer)) != 0;) {
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) break;
            text.append(buffer, static_cast<std::size_t>(n));
        }
        std::vector<long> out;
        std::size_t start = 0;
        // A last line without its newline was cut by the kill; it is no acknowledgement.
        for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
            out.push_back(std::strtol(text.c_str() + start, nullptr, 10));
        }
        return out;
    }

    // The writer's wait status when it had ended by itself before the kill, else -1.
    int exitStatus() const { return exitStatus_; }

private:
    void killAndReap() {
        kill(-pid_, SIGKILL);
        // The leader and, through the subreaper, any child it left behind.
        while (waitpid(-pid_, nullptr, 0) > 0 || errno == EINTR) {
        }
        pid_ = -1;
    }

    pid_t pid_ = -1;
    int readEnd_ = -1;
    int exitStatus_ = -1;
};

}  // namespace zw::test
