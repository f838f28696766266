#pragma once
// What a database failure means, in the words a clerk reads. The engine's own
// message is English and technical; it stays in DatabaseError for the
// command-line tools, and the windows show this instead.

#include "core/data/DatabaseError.h"

// One Japanese sentence for the engine's result code, with the code itself in
// brackets for a support call; empty when error holds no error.
QString DatabaseErrorInJapanese(const DatabaseError &error);
