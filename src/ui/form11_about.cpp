// The About dialog and the guide's link in the no-entry notice.
#include "ui/form11.h"

#include "ui/caret_boxes.h"
#include "ui/form16.h"
#include "ui/program_documents.h"
#include "ui/url_opener.h"

namespace zilvaro {

void Form11::Command2_Click() {
    Text5->setFocus();
    Form16::showModal(this, opener_, programDir_);
}

void Form11::Label28_Click() {
    opener_.open(documents::target(programDir_, documents::chineseGuide()));
}

} // namespace zilvaro
