// The slots of the program's nine document templates (CDocManager), in the
// order the templates are created at start-up:
//
//   slot  template class                     made by
//   1     "CCaseMultiDocTemplate"            the shell
//   2     "CRepertoryMultiDocTemplate"       views/repertory
//   0     "CAnalysisMultiDocTemplate"        views/analysis
//   3     "CEpisodeMultiDocTemplate"         views/editors
//   4     "CPrescriptionMultiDocTemplate"    views/editors
//   5     "CSearchMultiDocTemplate"          views/search
//   6     "CMateriaMedicaMultiDocTemplate"   views/materia
//   7     "CPatientInfoMultiDocTemplate"     views/editors
//   8     "CPractitionerMultiDocTemplate"    views/editors
#pragma once

enum DocumentSlot : int {
    kAnalysisSlot = 0,
    kCaseSlot = 1,
    kRepertorySlot = 2,
    kEpisodeSlot = 3,
    kPrescriptionSlot = 4,
    kSearchSlot = 5,
    kMateriaMedicaSlot = 6,
    kPatientInfoSlot = 7,
    kPractitionerSlot = 8,
};
