// The About dialog and the maker's web site link of the no-entry notice.
#include "ui/form11.h"

#include "ui/caret_boxes.h"
#include "ui/form16.h"
#include "ui/maker.h"
#include "ui/url_opener.h"

namespace zilvaro {

void Form11::Command2_Click() {
    Text5->setFocus();
    Form16::showModal(this, opener_);
}

void Form11::Label28_Click() {
    opener_.open(maker::webSite());
}

} // namespace zilvaro
