#pragma once

#include <QString>

#include <optional>

class CProjectStore;

// Whether a hand-kept list holds work typed or changed by hand that has not left the program
// since: no export or upload has carried it away, so emptying the list would lose it. The state
// is stored in the project beside the rows, written in the same transaction as the change, so
// it lasts as long as they do.
namespace HandEdits
{
// Notes that `table` now holds hand work; run it inside the edit's own transaction.
bool MarkEdited(CProjectStore& store, const QString& table);
// The list has left the program whole (exported, uploaded) or has been emptied or replaced.
// Touches nothing when there is nothing to forget, so a read-only project exports in silence.
bool MarkSaved(CProjectStore& store, const QString& table);
// Whether the table holds rows and hand work that only this project keeps; nothing when the
// store failed (reported).
std::optional<bool> HoldsUnsavedWork(CProjectStore& store, const QString& table);
} // namespace HandEdits
