// Finding the data source a command names.
#pragma once

#include <string>

class Corvela;
class DataSource;
class Repertory;

namespace corvela_cli {

// The source whose name (text 1) is the given text, else the one whose
// identifier it is in the 36-character text form; null when neither.
DataSource* FindSource(Corvela& engine, const std::string& nameOrGuid);

// The same, printing "corvela: no data source ..." (null) or "... is not a
// repertory" (null) when it does not lead to a repertory.
Repertory* FindRepertoryOrFail(Corvela& engine, const std::string& nameOrGuid);

// The number of items of a source: rubrics of a repertory (counted over the
// tree), articles of a materia medica or of a user article collection.
long CountItems(DataSource& source);

}  // namespace corvela_cli
