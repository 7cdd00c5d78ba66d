#include "search/query_parser.h"

#include <vector>

#include "search/query_lexer.h"

namespace {

class Parser {
public:
    Parser(std::string_view text, const RemedyResolver& resolve, ParsedQuery& parsed,
           QueryMarkup& markup)
        : m_lexer(text), m_resolve(resolve), m_parsed(parsed), m_markup(markup) {}

    ParseOutcome Run() {
        m_parsed.Clear();
        m_markup.tokenCount = 0;
        m_lexer.Next();
        while (!m_lexer.HasError() && m_lexer.Kind() != TokenKind::kEnd) Statement();
        ParseOutcome outcome;
        outcome.syntaxError = m_lexer.HasError();
        outcome.wellFormed = !outcome.syntaxError && !m_sawInvalid;
        return outcome;
    }

private:
    // Gives the current token its class (the first 32 tokens are recorded).
    void Mark(TokenClass tokenClass) {
        if (tokenClass == MarkInvalid) m_sawInvalid = true;
        if (m_markup.tokenCount < 0 || m_markup.tokenCount >= kMarkupMaxTokens) return;
        const int i = m_markup.tokenCount++;
        m_markup.tokenSpans[i][0] = m_lexer.Start();
        m_markup.tokenSpans[i][1] = m_lexer.End();
        m_markup.tokenClasses[i] = tokenClass;
    }

    void Statement() {
        switch (m_lexer.Kind()) {
            case TokenKind::kWord:
                m_parsed.requiredWords.push_back(m_lexer.WordText());
                Mark(MarkWord);
                m_lexer.Next();
                return;
            case TokenKind::kRemedy: {
                RemedyTerm term;
                if (RemedyTermHere(term)) m_parsed.requiredRemedies.push_back(term);
                return;
            }
            case TokenKind::kMinus:
                return Operated(m_parsed.excludedWords, m_parsed.excludedRemedies);
            case TokenKind::kPlus:
                return Operated(m_parsed.requiredWords, m_parsed.requiredRemedies);
            case TokenKind::kQuestion:
                return Operated(m_parsed.highlightWords, m_parsed.highlightRemedies);
            case TokenKind::kOther:
                Mark(MarkInvalid);
                m_lexer.Next();
                return;
            default:  // a number, or = < > outside a remedy term: an ordinary word
                m_parsed.requiredWords.push_back(m_lexer.Text());
                Mark(MarkWord);
                m_lexer.Next();
                return;
        }
    }

    // An operator - + ? and what it applies to.
    void Operated(std::vector<std::string>& words, std::vector<RemedyTerm>& remedies) {
        Mark(MarkOperator);
        m_lexer.Next();
        if (m_lexer.HasError()) return;
        if (m_lexer.Kind() == TokenKind::kRemedy) {
            RemedyTerm term;
            if (RemedyTermHere(term)) remedies.push_back(term);
        } else if (m_lexer.Kind() == TokenKind::kWord) {
            words.push_back(m_lexer.WordText());
            Mark(MarkWord);
            m_lexer.Next();
        } else {
            Mark(MarkInvalid);  // the end of the text too: "-" needs an operand
            m_lexer.Next();
        }
    }

    // The current token is a remedy name.  True when the catalogue knows it.
    bool RemedyTermHere(RemedyTerm& term) {
        const int remedy = m_resolve ? m_resolve(m_lexer.RemedyName().c_str()) : -1;
        if (remedy < 0) {
            Mark(MarkUnknownRemedy);
            m_lexer.Next();  // whatever follows goes back to the main loop
            return false;
        }
        term.remedy = remedy;
        Mark(MarkRemedy);
        m_lexer.Next();
        if (m_lexer.HasError()) return true;
        GradeComparison comparison;
        switch (m_lexer.Kind()) {
            case TokenKind::kLess:
                comparison = GradeComparison::kLess;
                break;
            case TokenKind::kGreater:
                comparison = GradeComparison::kGreater;
                break;
            case TokenKind::kEqual:
                comparison = GradeComparison::kEqual;
                break;
            default:
                return true;
        }
        Mark(MarkOperator);
        m_lexer.Next();
        if (m_lexer.HasError()) return true;
        if (m_lexer.Kind() == TokenKind::kNumber) {
            term.grade = m_lexer.NumberValue();
            term.comparison = comparison;
            Mark(term.grade >= 1 && term.grade <= 3 ? MarkGrade : MarkInvalid);
        } else {
            Mark(MarkInvalid);  // the end of the text too: "@lach>"
        }
        m_lexer.Next();
        return true;
    }

    QueryLexer m_lexer;
    const RemedyResolver& m_resolve;
    ParsedQuery& m_parsed;
    QueryMarkup& m_markup;
    bool m_sawInvalid = false;
};

}  // namespace

ParseOutcome ParseQuery(std::string_view text, const RemedyResolver& resolve, ParsedQuery& parsed,
                        QueryMarkup& markup) {
    return Parser(text, resolve, parsed, markup).Run();
}
