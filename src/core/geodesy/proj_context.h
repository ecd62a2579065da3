#pragma once

#include <QString>

#include <memory>

struct pj_ctx;
struct PJconsts;
using PJ_CONTEXT = pj_ctx;
using PJ = PJconsts;

// PROJ objects belong to the context that made them, and a context to one thread: every
// thread that converts coordinates gets a context of its own, made on first use and kept until
// the thread ends. PROJ's own logging is off; failures are read from the context and said by
// the caller in its own words.
PJ_CONTEXT* ThreadProjContext();

struct ProjObjectDeleter
{
    void operator()(PJ* object) const;
};
// A PROJ object (a system, an operation) destroyed with its owner.
using ProjObject = std::unique_ptr<PJ, ProjObjectDeleter>;

// What PROJ said about the last failure on this thread's context (English, as PROJ words it).
QString ProjFailure();
