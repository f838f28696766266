#pragma once
// What the consignee editor looks like in each edition: its heading, the
// sender frame's title and the shared rows' captions, shown rows and time
// choices. Edition 60 (and any code without a profile) keeps the form's own
// captions with every row shown.

#include "core/addressbook/WaybillPresentation.h"

struct ConsigneeEditPresentation : WaybillRowsPresentation {
    QString heading;     // 「お届け先編集」
    QString senderFrame; // senderFrame

    static ConsigneeEditPresentation forEdition(int editionCode);
};
