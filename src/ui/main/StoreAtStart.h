#pragma once
// Before the window opens: a station set up for the shared server that cannot
// reach it says so and offers to work on this computer's files for this
// session, or to end; it never writes to the local files without asking.

#include <QString>

enum class StoreAtStart {
    AsSet,        // the local files, or a server that answered
    LocalInstead, // the server did not answer; the clerk chose this computer's files
    Quit          // the server did not answer; the clerk chose to end
};

// dataDir holds the station's store setting.
StoreAtStart CheckStoreAtStart(const QString &dataDir);
