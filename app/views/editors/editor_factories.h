// The recipes of the case item editors, for the program's template table:
//
//   slot  template class                     document          view
//   3     "CEpisodeMultiDocTemplate"         CEpisodeDoc       CPatientPadView
//   4     "CPrescriptionMultiDocTemplate"    CPrescriptionDoc  CPrescriptionView
//   7     "CPatientInfoMultiDocTemplate"     CPatientInfoDoc   CPatientPadView
//   8     "CPractitionerMultiDocTemplate"    CPractitionerDoc  CPatientPadView
//
// How a document gets its record: the opener opens it for the record
// (CDocManager::OpenNew / OpenOrActivate with the item) and the view factory
// reads it from the document (CDocument::ItemAs) when the first view is made:
//   episode       a CEpisode* of the current case's chain;
//   prescription  a CPrescription* of the current case's chain;
//   patient card  nothing (or the CPatientInfo* itself): the current case's card;
//   practitioner  a CPractitioner* held by an item of the current case, or
//                 the item (CEpisode*, CPrescription*, CAnalysis* or
//                 COneItem*) that holds it, or nothing: the practitioner of
//                 the last item of the chain that has one.
// The document's Item() is then the record (for the patient card the
// CPatientInfo of the current case), so CDocManager::FindByItem finds it.
// A record that is not such a record of the current case (CCaseHost), a
// record of another type, or no current case at all, makes the view factory
// fail (null) and the open fail.
//
// Everything runs on the user-interface thread.
#pragma once

#include <memory>

class CChildFrame;
class CDocTemplate;
class CDocument;
class QWidget;

namespace editors {

// New, empty documents; the manager adopts them (release() into the
// template's DocumentFactory).  Never null.
std::unique_ptr<CDocument> CreateEpisodeDoc();
std::unique_ptr<CDocument> CreatePrescriptionDoc();
std::unique_ptr<CDocument> CreatePatientInfoDoc();
std::unique_ptr<CDocument> CreatePractitionerDoc();

// The view of `document` inside `frame` (a child of `frame`), matching
// CDocTemplate::ViewFactory.  CPatientPadView serves CEpisodeDoc,
// CPatientInfoDoc and CPractitionerDoc; CPrescriptionView serves
// CPrescriptionDoc.  Null for any other document or when the record cannot be
// found (see above).  A second frame of an open document gets a view of the
// record the document already edits.
QWidget* CreatePatientPadView(CDocument& document, CChildFrame& frame);
QWidget* CreatePrescriptionView(CDocument& document, CChildFrame& frame);

// Ready templates with the class names above, for CDocManager::AddTemplate.
std::unique_ptr<CDocTemplate> MakeEpisodeTemplate();
std::unique_ptr<CDocTemplate> MakePrescriptionTemplate();
std::unique_ptr<CDocTemplate> MakePatientInfoTemplate();
std::unique_ptr<CDocTemplate> MakePractitionerTemplate();

}  // namespace editors
