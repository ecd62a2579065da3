#pragma once

#include "core/report/outcome.h"

#include <QString>

class CProjectStore;

// A code as typed in the code dialog: its number (stored in SN) and its text.
struct CodeFields
{
    QString number;
    QString code;
};

// Adds the code to CodeEdit as the next running number; refused when the number is empty or
// already listed. One transaction.
Outcome AddCode(CProjectStore& store, const CodeFields& code);
// Sets the text of every code with that number.
Outcome EditCode(CProjectStore& store, const CodeFields& code);
