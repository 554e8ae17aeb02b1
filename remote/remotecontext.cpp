#include "remotecontext.h"

#include "operatorcore.h"

RemoteContext RemoteContext::of(OperatorCore *core, PlanController *plans, SalvoController *salvos)
{
    RemoteContext context;
    context.core = core;
    context.plans = plans;
    context.salvos = salvos;
    if (core) {
        context.routes = core->routes();
        context.link = core->indicator();
        context.stale = core->stale();
    }
    return context;
}
