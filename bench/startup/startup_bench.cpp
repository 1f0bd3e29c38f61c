// Start-up of the program as whole processes: time from the start of the process until the
// main window is shown (the probe ends right after), and the peak memory of each run.
// Usage: startup_bench [runs]   (offscreen platform, private runtime, data and registry folders)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const std::filesystem::path scratch = std::filesystem::temp_directory_path() / ("zw-startup-" + std::to_string(getpid()));
    std::filesystem::create_directories(scratch / "runtime");
    std::filesystem::permissions(scratch / "runtime", std::filesystem::perms::owner_all);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("XDG_RUNTIME_DIR", (scratch / "runtime").c_str(), 1);
    setenv("XDG_DATA_HOME", (scratch / "data").c_str(), 1);
    setenv("ZUNDERWERK_REGISTRY", (scratch / "registry.db").c_str(), 1);

    std::vector<double> millis;
    std::vector<long> peakKb;
    std::vector<double> cpuMillis;  // user + system time: less swayed by other load on the machine
    for (int i = 0; i < runs + 1; ++i) {  // the first run creates the store and registers the component
        const auto start = std::chrono::steady_clock::now();
        const pid_t child = fork();
        if (child == 0) {
            execl(STARTUP_PROBE, STARTUP_PROBE, static_cast<char*>(nullptr));
            _exit(127);
        }
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            std::fprintf(stderr, "run %d failed (status %d)\n", i, status);
            return 1;
        }
        if (i == 0) continue;
        millis.push_back(ms);
        peakKb.push_back(usage.ru_maxrss);
        cpuMillis.push_back((usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 +
                            (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0);
    }
    std::sort(millis.begin(), millis.end());
    std::sort(peakKb.begin(), peakKb.end());
    std::sort(cpuMillis.begin(), cpuMillis.end());
    std::printf("start-up until the main window is shown, %d runs: median %.0f ms, min %.0f ms, max %.0f ms\n", runs,
                millis[millis.size() / 2], millis.front(), millis.back());
    std::printf("processor time of a run (user + system): median %.0f ms\n", cpuMillis[cpuMillis.size() / 2]);
    std::printf("peak memory (max RSS): median %.1f MB, max %.1f MB\n", peakKb[peakKb.size() / 2] / 1024.0,
                peakKb.back() / 1024.0);
    std::filesystem::remove_all(scratch);
    return 0;
}
