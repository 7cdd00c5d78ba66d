// The one program directory of an in-process engine test: the engine reads
// its catalogue once, at its first use, so every test of the process goes
// through Engine().
#pragma once

#include <corvela.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include "tool_runner.h"

// Catalogue: acon, a remedy whose short name keeps one of its two stops
// ("x."), bell.
inline const TempDir& ProgramDir() {
    static TempDir dir;
    static const bool ready = [] {
        dir.Write("remedy_synonyms.txt",
                  "\t\t\t\t\tacon.\tAconitum napellus\n"
                  "\t\t\t\t\tx..\tDotted name\n"
                  "\t\t\t\t\tbell.\tBelladonna\n");
        return setenv("MERIDANE_HOME", dir.path().c_str(), 1) == 0;
    }();
    EXPECT_TRUE(ready);
    return dir;
}

inline Corvela& Engine() {
    ProgramDir();
    return CorvelaInstance();
}
