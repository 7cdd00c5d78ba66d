// Turns a query's tokens into a ParsedQuery and classifies every token for
// highlighting.
#pragma once

#include <functional>
#include <string_view>

#include "corvela/search.h"
#include "search/parsed_query.h"

// The catalogue number of a remedy name (any case, any synonym); -1 when the
// catalogue does not know it.
using RemedyResolver = std::function<int(const char* name)>;

struct ParseOutcome {
    bool syntaxError = false;  // the parse stopped at a token it could not read
    bool wellFormed = false;   // no syntax error and no token classed MarkInvalid
};

// Parses text (at most 255 bytes, up to its first zero) into parsed, which is
// cleared first.  The markup's tokenCount restarts at 0 and receives the first
// 32 tokens with their spans and classes, in the order they are consumed;
// remedyIds and words are left to the caller.  A syntax error ("invalid
// remedy": '@' without a name) stops the parse at that token, which is not
// recorded; the terms parsed before it stay in parsed.
ParseOutcome ParseQuery(std::string_view text, const RemedyResolver& resolve, ParsedQuery& parsed,
                        QueryMarkup& markup);
