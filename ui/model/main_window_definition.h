#pragma once

#include "ui/model/contacts.h"
#include "ui/model/main_window_ids.h"
#include "ui/model/unit.h"

#include <QString>

namespace korvane::model {

// The main window 窗口: its own unit and its 106 controls in unit order. The
// contacts go into the captions and link targets of the hyperlink boxes.
WindowDefinition mainWindowDefinition(const Contacts& contacts);

// The text of the records page, lines separated by CR LF.
QString recordsPageText();

}  // namespace korvane::model
