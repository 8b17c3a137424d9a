// Times the editor's start-up against a bare Qt window program: each run starts the program with
// the first-frame library preloaded and takes the time from just before the process is created
// to the moment its first window has drawn. Both run under the same platform plugin
// (QT_QPA_PLATFORM as set, offscreen when unset) and with a private home whose configuration is
// an empty valid network, so the editor asks nothing. Medians over alternating runs.
//   bench_startup [RUNS]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace {

long long monotonicMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000LL + now.tv_nsec / 1000;
}

// Microseconds from spawning program to its first frame, or -1 when it reported none.
long long timeToFirstFrame(const char* program) {
    int output[2];
    if (pipe(output) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char* argv[] = {const_cast<char*>(program), nullptr};
    pid_t child = 0;
    const long long start = monotonicMicroseconds();
    const int failed = posix_spawn(&child, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    std::string reported;
    char buffer[64];
    for (ssize_t got; (got = read(output[0], buffer, sizeof buffer)) > 0;)
        reported.append(buffer, std::size_t(got));
    close(output[0]);
    if (failed != 0)
        return -1;
    int status = 0;
    waitpid(child, &status, 0);
    if (reported.empty())
        std::fprintf(stderr, "%s ended with status %d without drawing a window\n", program, status);
    return reported.empty() ? -1 : std::atoll(reported.c_str()) - start;
}

double medianMilliseconds(std::vector<long long> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2] / 1000.0;
}

void prepareHome(const fs::path& home) {
    fs::create_directories(home / "data/quarntcu");
    std::ofstream(home / "data/quarntcu/config.net") << "{\n    \"net\": [\n    ]\n}\n";
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", home.c_str(), 1);
    setenv("LD_PRELOAD", FIRSTSHOW_LIBRARY, 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
}

} // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    char pattern[] = "/tmp/vexalo-startup-XXXXXX";
    if (!mkdtemp(pattern)) {
        std::perror("mkdtemp");
        return 1;
    }
    prepareHome(pattern);
    // The editor reads its translations from the working directory, as when started by dev.sh.
    if (chdir(fs::path(EDITOR).parent_path().c_str()) != 0) {
        std::perror("chdir");
        return 1;
    }
    std::vector<long long> editor;
    std::vector<long long> bare;
    for (int run = 0; run < runs; ++run) {
        editor.push_back(timeToFirstFrame(EDITOR));
        bare.push_back(timeToFirstFrame(BARE_WINDOW));
    }
    fs::remove_all(pattern);
    if (std::count(editor.begin(), editor.end(), -1) + std::count(bare.begin(), bare.end(), -1)) {
        std::fprintf(stderr, "no medians: some runs drew no window\n");
        return 1;
    }
    const double editorMedian = medianMilliseconds(editor);
    const double bareMedian = medianMilliseconds(bare);
    std::printf("platform %s, %d runs each, medians to the first frame\n",
                std::getenv("QT_QPA_PLATFORM"), runs);
    std::printf("vexalo, empty configuration: %.2f ms\n", editorMedian);
    std::printf("floor, bare main window with a tree: %.2f ms\n", bareMedian);
    std::printf("ratio: %.2f\n", editorMedian / bareMedian);
    return 0;
}
