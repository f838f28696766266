#pragma once
// korvel-print pdf --consignees: continuous print from the address book of an
// edition, headless, for scripts.

struct PrintToolOptions;

// Prints one page per consignee into o.out and returns the exit code (0 ok,
// 1 no consignee to print, 2 usage or input error).
int RunConsigneeBatch(const PrintToolOptions &o);
