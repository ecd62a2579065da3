#include "core/geodesy/proj_context.h"

#include <proj.h>

namespace
{
struct ContextDeleter
{
    void operator()(PJ_CONTEXT* context) const { proj_context_destroy(context); }
};

PJ_CONTEXT* NewContext()
{
    PJ_CONTEXT* context = proj_context_create();
    // PROJ writes its failures to standard error by default; ours are told as values.
    proj_log_level(context, PJ_LOG_NONE);
    return context;
}
} // namespace

PJ_CONTEXT* ThreadProjContext()
{
    thread_local const std::unique_ptr<PJ_CONTEXT, ContextDeleter> context(NewContext());
    return context.get();
}

void ProjObjectDeleter::operator()(PJ* object) const
{
    proj_destroy(object);
}

QString ProjFailure()
{
    PJ_CONTEXT* context = ThreadProjContext();
    const int code = proj_context_errno(context);
    if (code == 0)
        return {};
    return QString::fromUtf8(proj_context_errno_string(context, code));
}
