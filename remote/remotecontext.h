#pragma once

class LinkIndicator;
class OperatorCore;
class PlanController;
class RouteService;
class SalvoController;
class StaleTracker;

// The pieces of the operator core the server answers from; the window or `--serve`
// owns them. Any may be null (a router under test or fuzzing): what needs it answers
// "offline".
struct RemoteContext
{
    OperatorCore *core = nullptr;
    RouteService *routes = nullptr;
    PlanController *plans = nullptr;
    SalvoController *salvos = nullptr;
    LinkIndicator *link = nullptr;
    StaleTracker *stale = nullptr;

    // The core's own route service, link lamp and stale marker, and the face's plans and
    // salvos.
    static RemoteContext
    of(OperatorCore *core, PlanController *plans, SalvoController *salvos = nullptr);
};
