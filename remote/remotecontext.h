#pragma once

class LinkIndicator;
class OperatorCore;
class PlanController;
class RouteService;
class StaleTracker;

// The pieces of the operator core the server answers from; the window or `--serve`
// owns them. Any may be null (a router under test or fuzzing): what needs it answers
// "offline".
struct RemoteContext
{
    OperatorCore *core = nullptr;
    RouteService *routes = nullptr;
    PlanController *plans = nullptr;
    LinkIndicator *link = nullptr;
    StaleTracker *stale = nullptr;

    // The core's own route service, link lamp and stale marker, and the window's plans.
    static RemoteContext of(OperatorCore *core, PlanController *plans);
};
