#include "remotecontext.h"

#include "operatorcore.h"

RemoteContext RemoteContext::of(OperatorCore *core, PlanController *plans)
{
    RemoteContext context;
    context.core = core;
    context.plans = plans;
    if (core) {
        context.routes = core->routes();
        context.link = core->indicator();
        context.stale = core->stale();
    }
    return context;
}
