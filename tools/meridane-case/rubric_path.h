// Finding a repertory by name or identifier and a rubric by its path of
// rubric texts ("Mind; Anxiety; night").
#pragma once

#include <string>

class Repertory;
class Topic;

namespace meridane_case {

// The loaded repertory whose identifier is `nameOrId` (its text form) or
// whose name is `nameOrId` (code page 1251, case-sensitive); null when none.
Repertory* FindRepertory(const std::string& nameOrId);

// Walks from the repertory's first level (the root's children): each step of
// `path` (code page 1251, steps separated by ';', blank steps ignored) picks
// the first child whose text equals it case-insensitively, trailing blanks,
// colons and semicolons ignored on both sides.  Null with *problem set (the
// step not found and the path up to it) when a step matches nothing.
Topic* FindRubric(Repertory& repertory, const std::string& path, std::string* problem);

}  // namespace meridane_case
