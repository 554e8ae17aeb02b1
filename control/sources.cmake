# The operator core's sources, relative to control/; the fuzz build includes this list too.
set(zel_control_sources
    activitylog.cpp activitylog.h
    actinguser.cpp actinguser.h
    addressrules.cpp addressrules.h
    bindgroups.cpp bindgroups.h
    changeapplier.cpp changeapplier.h
    changenotice.cpp changenotice.h
    commandtap.cpp commandtap.h
    droprefusal.cpp droprefusal.h
    gridlayout.cpp gridlayout.h
    linkindicator.cpp linkindicator.h
    linkwatch.cpp linkwatch.h
    localrouting.cpp localrouting.h
    networkform.cpp networkform.h
    operatorcore.cpp operatorcore.h
    plancontroller.cpp plancontroller.h
    portmenumodel.cpp portmenumodel.h
    portrename.cpp portrename.h
    portrights.cpp portrights.h
    replyrecords.cpp replyrecords.h
    routefanout.cpp routefanout.h
    route.cpp route.h
    routepacer.cpp routepacer.h
    routeservice.cpp routeservice.h
    splicemodes.cpp splicemodes.h
    splitterlayout.cpp splitterlayout.h
    staletracker.cpp staletracker.h
    takehistory.cpp takehistory.h
    takestage.cpp takestage.h
    takeundo.cpp takeundo.h
    windowrules.cpp windowrules.h
    salvocontroller.cpp salvocontroller.h
    salvoroutes.cpp salvoroutes.h
)
