// One start of the program, timed from the outside: from just before the
// process is spawned until it reports its first paint.
#pragma once

#include <string>
#include <vector>

struct StartupRun {
    bool ok = false;
    double wallMs = 0;       // spawn to the "first-paint-ms" line
    double programMs = 0;    // what the program measured itself (from main)
    std::string error;
};

// Runs `program` with `arguments` and "--startup-timing", on the offscreen
// platform, with `environment` ("NAME=value") added; gives up after 30 s.
StartupRun RunProgramOnce(const std::string& program, const std::vector<std::string>& arguments,
                          const std::vector<std::string>& environment);
