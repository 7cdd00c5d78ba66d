#include "program_run.h"

#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

extern char** environ;

namespace {

std::string ReadAndRemove(const std::string& path) {
    std::ostringstream bytes;
    {
        std::ifstream file(path, std::ios::binary);
        bytes << file.rdbuf();
    }
    ::unlink(path.c_str());
    return bytes.str();
}

}  // namespace

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args) {
    char pattern[] = "/tmp/meridane-run-XXXXXX";
    const std::string capture = ::mkdtemp(pattern) != nullptr ? pattern : "/tmp";
    const std::string outPath = capture + "/out", errPath = capture + "/err";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    std::vector<std::string> argv{program};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> pointers;
    for (std::string& arg : argv) pointers.push_back(arg.data());
    pointers.push_back(nullptr);
    pid_t pid = 0;
    ProgramRun run;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, pointers.data(), environ) == 0) {
        int status = 0;
        if (waitpid(pid, &status, 0) == pid && WIFEXITED(status)) run.status = WEXITSTATUS(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    run.out = ReadAndRemove(outPath);
    run.err = ReadAndRemove(errPath);
    ::rmdir(capture.c_str());
    return run;
}
