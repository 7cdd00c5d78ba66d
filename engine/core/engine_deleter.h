// Owning pointers to data sources held through their interface, whose
// destructor the public headers keep protected (corvela/data_source.h): the
// deleter is the interface's friend.  It takes over from the usual deleter of
// an implementation class, so std::unique_ptr<RepertoryImpl> moves into an
// OwnedSource.
#pragma once

#include <memory>

#include "corvela/data_source.h"

struct EngineDeleter {
    EngineDeleter() = default;
    template <class T>
    EngineDeleter(std::default_delete<T>) {}  // NOLINT: converting on purpose

    void operator()(DataSource* source) const { delete source; }
};

using OwnedSource = std::unique_ptr<DataSource, EngineDeleter>;
