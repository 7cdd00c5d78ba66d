#include "views/remedy_text.h"

#include "plumbing/text/code_page.h"

namespace views {

QString TypesetRemedy(std::string_view shortName, int grade) {
    while (!shortName.empty() &&
           (shortName.back() == '.' || shortName.back() == ' ' || shortName.back() == ','))
        shortName.remove_suffix(1);
    QString text = plumbing::DecodeCodePage(shortName);
    switch (grade) {
        case 1:
            text = text.toLower();
            break;
        case 2:
        case 3:
            text = text.left(1).toUpper() + text.mid(1).toLower();
            break;
        case 4:
            text = text.toUpper();
            break;
        default:
            break;
    }
    return text + QStringLiteral(". ");
}

RemedyFace FaceOfGrade(int grade) {
    switch (grade) {
        case 2:
            return RemedyFace::kItalic;
        case 3:
        case 4:
            return RemedyFace::kBold;
        default:
            break;
    }
    return RemedyFace::kNormal;
}

}  // namespace views
