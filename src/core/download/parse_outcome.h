#pragma once

// What a parse of a received or imported text did.
struct ParseOutcome
{
    int rows = 0;       // records stored
    int failedRows = 0; // records the database refused, wholly or in part (each reported; the rest went on)
    bool saved = true;  // false when the whole parse was rolled back (reported)
};
