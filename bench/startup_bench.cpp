// Start-up to the first paint of the main window on the offscreen platform, as a user waits for
// it: from starting the process to the window's first paint. Runs the program ten times and
// prints the median, the spread and the peak memory.
#include "app/main_form.h"
#include "app/tab_table.h"
#include "core/platform.h"
#include "core/qsettings_store.h"

#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// Reports the first paint of the main window to the parent and ends at once.
class FirstPaint : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            std::fputs("painted\n", stdout);
            std::fflush(stdout);
            std::_Exit(0);
        }
        return false;
    }
};

int child(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    oq::QtPlatform platform;
    oq::QSettingsStore store;
    oq::MainForm form(platform, store, oq::TabTable);
    FirstPaint probe;
    form.installEventFilter(&probe);
    form.show();
    return app.exec();
}

struct Run {
    double ms;
    long maxRssKb;
};

Run runOnce(const char* self) {
    int out[2];
    if (pipe(out) != 0)
        std::exit(1);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        execl(self, self, "--child", static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    close(out[1]);
    char buffer[16] = {};
    const ssize_t got = read(out[0], buffer, sizeof buffer - 1);
    const auto painted = std::chrono::steady_clock::now();
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (got <= 0 || std::strncmp(buffer, "painted", 7) != 0) {
        std::fprintf(stderr, "the program did not paint (status %d)\n", status);
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(painted - start).count(), usage.ru_maxrss};
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--child") == 0)
        return child(argc, argv);

    QTemporaryDir settings; // a fresh user: no settings file
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    runOnce(argv[0]); // warm the file cache once
    std::vector<Run> runs;
    for (int i = 0; i < 10; ++i)
        runs.push_back(runOnce(argv[0]));
    std::vector<double> ms;
    long rss = 0;
    for (const Run& r : runs) {
        ms.push_back(r.ms);
        rss = std::max(rss, r.maxRssKb);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("start-up to first paint, 10 runs: median %.1f ms, min %.1f ms, max %.1f ms\n",
                (ms[4] + ms[5]) / 2, ms.front(), ms.back());
    std::printf("peak RSS: %.1f MB\n", static_cast<double>(rss) / 1024.0);
    return 0;
}
