// The Qt face of the plain text of a rich text.
#include "plumbing/rtf/rtf.h"
#include "plumbing/text/code_page.h"

namespace rtf {

QString ToPlainText(std::string_view source) {
    return plumbing::ToQString(PlainText(source));
}

}  // namespace rtf
