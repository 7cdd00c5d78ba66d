#include "views/repertory/repertory_doc.h"

#include <corvela.h>

#include "model/lang/localize.h"
#include "plumbing/text/code_page.h"
#include "views/window_texts.h"

CRepertoryDoc::CRepertoryDoc() = default;

CRepertoryDoc::~CRepertoryDoc() = default;

void CRepertoryDoc::TakeNameFromTitle() {
    if (m_named) return;
    m_named = true;
    m_name = plumbing::EncodeCp1251(Title());
}

QString CRepertoryDoc::TitleFor(const std::string& name) {
    DataSource* source = CorvelaInstance().FindDataSourceByName(name.c_str());
    QString shown = plumbing::DecodeCodePage(name);
    if (source != nullptr) {
        const char* text3 = source->GetText3();
        const QString author = plumbing::DecodeCodePage(text3 != nullptr ? text3 : "");
        shown = author.left(1).toUpper() + author.mid(1).toLower();
    }
    return plumbing::DecodeCodePage(
        views::FormatTexts(Localize("%s : Repertory", 1), {plumbing::EncodeCp1251(shown)}));
}

void CRepertoryDoc::OnOpened() {
    TakeNameFromTitle();
    SetModified(false);
    SetTitle(TitleFor(m_name));
}
