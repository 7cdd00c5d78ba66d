// The name of a data file's word index.
#pragma once

#include <string>
#include <string_view>

// The data file's path cut at its last '.' anywhere in the path (even when that
// dot is in a folder name), plus ".idx"; a path without a dot just gets ".idx".
// "/d/kent.rpb" -> "/d/kent.idx"; "/d/data.old/rep" -> "/d/data.idx".
std::string IndexPathFor(std::string_view dataPath);
