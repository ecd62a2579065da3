#pragma once

#include "core/download/parsed_job.h"
#include "core/report/outcome.h"

class CProjectStore;

// Puts a parsed job into the project: empties the tables it replaces (a hand-kept list is
// copied to discarded/ first) and adds its rows with the bulk insert, all in one transaction.
// DatabaseError when the store refused or the copy could not be written (said why); then every
// table is as it was.
Outcome StoreParsedJob(CProjectStore& store, const ParsedJob& job);
