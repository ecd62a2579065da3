#pragma once

#include "core/report/outcome.h"

#include <QString>

class CProjectStore;

// The instrument's SD-card job: the whole coordinate list as JOBn.DAT (fixed-width point
// lines) and JOBn.INX (the point names), written into a new folder.
namespace SdCard
{
constexpr int JobCount = 20;      // JOB1 … JOB20
constexpr int MaxPoints = 2999;   // what the instrument's job memory holds
} // namespace SdCard

// "JOB1" for index 0 … "JOB20" for index 19.
QString SdCardJobName(int jobIndex);

// Creates parentFolder/folderName (it must not exist yet) and writes the job files of
// `jobIndex` (0 to 19) from CoorEdit. At most 2999 points go into a job; beyond that
// "Memory Full,Max Records is 2999!" is reported once per file as it is written, both headers
// count the points the files really hold, and the job ends MemoryFull. Done and MemoryFull say
// "Success!". PathNotCreated, FileNotWritable and DatabaseError (the coordinates could not be
// read) leave nothing written.
Outcome WriteSdCardJob(CProjectStore& store, const QString& parentFolder, const QString& folderName, int jobIndex);
