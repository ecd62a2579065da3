#pragma once

#include "core/download/parsed_job.h"

class CProjectStore;

// Puts a parsed job into the project: empties the tables it replaces and adds its rows with
// the bulk insert, all in one transaction. False when the store refused (it has said why);
// then every table is as it was.
bool StoreParsedJob(CProjectStore& store, const ParsedJob& job);
