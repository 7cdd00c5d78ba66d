#include "tool_runner.h"

#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include "records_home.h"

extern char** environ;

ToolRun RunToolWithoutHome(const std::vector<std::string>& args) {
    char pattern[] = "/tmp/meridane-case-run-XXXXXX";
    const std::string capture = ::mkdtemp(pattern) != nullptr ? pattern : "/tmp";
    const std::string outPath = capture + "/out", errPath = capture + "/err";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    std::vector<std::string> argv{MERIDANE_CASE_TOOL_PATH};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> pointers;
    for (std::string& arg : argv) pointers.push_back(arg.data());
    pointers.push_back(nullptr);
    pid_t pid = 0;
    ToolRun run;
    if (posix_spawn(&pid, MERIDANE_CASE_TOOL_PATH, &actions, nullptr, pointers.data(), environ) ==
        0) {
        int status = 0;
        if (waitpid(pid, &status, 0) == pid && WIFEXITED(status)) run.status = WEXITSTATUS(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    run.out = records_test::ReadFile(outPath);
    run.err = records_test::ReadFile(errPath);
    ::unlink(outPath.c_str());
    ::unlink(errPath.c_str());
    ::rmdir(capture.c_str());
    return run;
}

ToolRun RunTool(const std::vector<std::string>& args) {
    std::vector<std::string> all{"--home", records_test::Home()};
    all.insert(all.end(), args.begin(), args.end());
    return RunToolWithoutHome(all);
}
