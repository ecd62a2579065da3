#pragma once

#include "core/compute/adjustment/apriori_options.h"
#include "core/report/outcome.h"

class CProjectStore;

// The adjustment's a priori values as the project keeps them (AdjSigma, AdjWeight), so that a
// job is adjusted again with what the user set last. A project without any gives the
// instrument's default values, no station of its own and no weighted point.
Outcome ReadAprioriOptions(CProjectStore& store, Adjustment::AprioriOptions& options);

// Replaces the stored values with `options`, in one transaction, after CheckAprioriOptions
// accepts them. Ends Done, BadRow (nothing changed; the detail says why) or DatabaseError (the
// store has said why; both tables are as they were).
Outcome StoreAprioriOptions(CProjectStore& store, const Adjustment::AprioriOptions& options);
