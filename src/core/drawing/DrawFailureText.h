#pragma once
// The words for a failed drawing pass or print job: Japanese for the windows,
// English for the command-line tool, each from the same facts.

#include "core/drawing/DrawResult.h"

// The window's notice; a malformed value names the style file it is in.
QString DrawFailureNotice(const DrawResult &result, const QString &styleFile = QString());

// One English line for korvel-print.
QString DrawFailureInEnglish(const DrawResult &result);

// Fills failure, its facts and the Japanese message of result.
void SetDrawFailure(DrawResult &result, DrawResult::Failure failure);
