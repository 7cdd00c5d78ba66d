// How discovery turns a name into a data file to load.
#pragma once

#include <string>

enum class DataFileKind { kNone, kRepertory, kMateriaMedica };

struct ResolvedDataFile {
    std::string path;
    DataFileKind kind = DataFileKind::kNone;
};

// An absolute name stands for itself, any other is taken in directory.  With
// an extension the file must exist and the extension (any case) says what it
// is: ".rpb" a repertory, ".mmb" a materia medica, anything else nothing.
// Without one, name + ".rpb" is tried, then name + ".mmb".
ResolvedDataFile ResolveDataFile(const std::string& name, const std::string& directory);
