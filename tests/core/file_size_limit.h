#pragma once

#include <functional>
#include <optional>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace oq {

// Runs the action in a child process whose files cannot grow past limit bytes, the way a full
// disk refuses a write, and returns the action's answer (its exit code); -1 when the child did
// not end by itself. The child writes nothing to the terminal: the limit holds there too.
inline int InChildWithFileSizeLimit(std::optional<rlim_t> limit,
                                    const std::function<int()>& action) {
    const pid_t pid = fork();
    if (pid == 0) {
        signal(SIGXFSZ, SIG_IGN); // the write fails with EFBIG instead of ending the process
        if (limit) {
            const rlimit r{*limit, *limit};
            setrlimit(RLIMIT_FSIZE, &r);
        }
        _exit(action());
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

} // namespace oq
