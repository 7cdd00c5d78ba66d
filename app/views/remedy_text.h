// How a remedy of a rubric is printed by its grade, wherever rubrics are
// shown (the repertory browser, the symptom list, the search results):
//
//   grade 1    all lower case                           normal face
//   grade 2    first letter upper case, rest lower      italic face
//   grade 3    first letter upper case, rest lower      bold face
//   grade 4    all upper case                           bold face
//   any other  as stored                                normal face
//
// The short name is trimmed of trailing full stops, blanks and commas and
// followed by ". " ("acon" in grade 4 reads "ACON. ").
#pragma once

#include <QString>
#include <string_view>

namespace views {

enum class RemedyFace { kNormal, kItalic, kBold };

// The text of remedy `shortName` (code page 1251) in grade `grade`.
QString TypesetRemedy(std::string_view shortName, int grade);

// The face grade `grade` is printed in.
RemedyFace FaceOfGrade(int grade);

}  // namespace views
