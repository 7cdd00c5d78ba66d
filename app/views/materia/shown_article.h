// What the article view shows for a remedy in a materia medica, found the
// way the view finds it, so that the search and the view agree on the text:
//
//   no such source (or not a materia medica)   nothing
//   a materia medica without that article      "No articles"
//   an article with rich text                  the rich text (RTF)
//   an article without                         "\n%s" with the plain text
//
// The user article collection (type 3) shows its one article whatever the
// remedy.  The source is editable when it is the user's own (IsUserSource).
#pragma once

#include <QString>
#include <cstdint>
#include <string>

#include "corvela/guid.h"

class DataSource;

namespace materia {

struct CShownArticle {
    enum class Kind { kNoSource, kNoArticle, kRichText, kPlainText };

    Kind m_kind = Kind::kNoSource;
    DataSource* m_source = nullptr;
    std::uint32_t m_articleId = 0;  // the article's item identifier (kRichText, kPlainText)
    std::string m_text;             // RTF, or "\n" and the plain text (code page 1251)
    bool m_editable = false;        // flags without 0x40

    bool HasArticle() const { return m_kind == Kind::kRichText || m_kind == Kind::kPlainText; }
};

// The article of `remedy` in the materia medica `materiaMedica`.
CShownArticle FindShownArticle(int remedy, const Guid& materiaMedica);

// The text the article view holds for `shown` (QTextDocument::toPlainText
// after loading it): the rich text without its formatting, or the plain
// text; empty without an article.
QString ShownPlainText(const CShownArticle& shown);

// True for the user's own sources: a user article collection, or a materia
// medica whose flags lack 0x40 and whose low six bits say 2 (the engine
// loads any other kind as it stands).
bool IsUserSource(DataSource* source);

}  // namespace materia
