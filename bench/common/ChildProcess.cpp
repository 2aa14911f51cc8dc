#include "ChildProcess.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

extern char** environ;

namespace bench {

namespace {

// The peak resident size in KiB of a running process, or -1 once it is gone.
long PeakKiB(const std::string& pid)
{
    std::FILE* status = std::fopen(("/proc/" + pid + "/status").c_str(), "r");
    if (!status)
        return -1;
    long peak = -1;
    char line[256];
    while (std::fgets(line, sizeof line, status))
        if (std::sscanf(line, "VmHWM: %ld kB", &peak) == 1)
            break;
    std::fclose(status);
    return peak;
}

// The largest peak of a process and its descendants: a browser, for one, does its work in
// processes of its own.
long TreePeakKiB(const std::string& pid)
{
    long peak = PeakKiB(pid);
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator("/proc/" + pid + "/task", error)) {
        std::ifstream children(task.path() / "children");
        for (std::string child; children >> child;)
            peak = std::max(peak, TreePeakKiB(child));
    }
    return peak;
}

double Seconds(const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; }

class SpawnActions {
public:
    SpawnActions() { posix_spawn_file_actions_init(&m_actions); }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&m_actions); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;
    posix_spawn_file_actions_t* get() { return &m_actions; }

private:
    posix_spawn_file_actions_t m_actions;
};

}  // namespace

ChildRun Run(const Child& child)
{
    std::vector<char*> args;
    for (const std::string& a : child.argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    SpawnActions actions;
    if (!child.folder.empty())
        posix_spawn_file_actions_addchdir_np(actions.get(), child.folder.c_str());
    if (!child.in.empty())
        posix_spawn_file_actions_addopen(actions.get(), STDIN_FILENO, child.in.c_str(), O_RDONLY, 0);
    if (!child.out.empty())
        posix_spawn_file_actions_addopen(actions.get(), STDOUT_FILENO, child.out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (!child.err.empty())
        posix_spawn_file_actions_addopen(actions.get(), STDERR_FILENO, child.err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);

    ChildRun run;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawnp(&pid, args[0], actions.get(), nullptr, args.data(), environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", args[0]);
        return run;
    }
    // The peak is read from the running processes on a thread of its own, so that the wait below
    // sees the exit at once: the resource usage that wait4 reports starts from the spawning
    // process's own size, which would hide a smaller child.
    std::atomic<bool> exited = false;
    std::atomic<long> peakKiB = 0;
    std::thread sampler([&] {
        while (!exited) {
            // The peak only grows, so the last reading before the exit is the peak.
            if (const long peak = TreePeakKiB(std::to_string(pid)); peak > peakKiB)
                peakKiB = peak;
            usleep(2000);
        }
    });
    int status = 0;
    rusage usage = {};
    wait4(pid, &status, 0, &usage);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    exited = true;
    sampler.join();
    run.cpuSeconds = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
    run.peakKiB = peakKiB;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!run.ok) {
        std::string line;
        for (const std::string& a : child.argv)
            line += (line.empty() ? "" : " ") + a;
        std::fprintf(stderr, "failed: %s\n", line.c_str());
        if (!child.err.empty()) {
            std::ifstream err(child.err);
            std::fprintf(stderr, "%s\n",
                         std::string(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>()).c_str());
        }
    }
    return run;
}

}  // namespace bench
