# The request router and what it answers from, relative to remote/; the fuzz build
# includes this list too. The HTTP adaptor (remoteserver) is not in it.
set(zel_remote_router_sources
    apiactions.cpp apiactions.h
    apierror.cpp apierror.h
    apimessage.cpp apimessage.h
    apirouter.cpp apirouter.h
    devicepicture.cpp devicepicture.h
    eventhub.cpp eventhub.h
    eventstream.cpp eventstream.h
    hostcheck.cpp hostcheck.h
    loginlimiter.cpp loginlimiter.h
    remotecontext.cpp remotecontext.h
    remotelog.h
    remotetexts.cpp remotetexts.h
    salvoactions.cpp salvoactions.h
    sessionstore.cpp sessionstore.h
    staticfiles.cpp staticfiles.h
    takeactions.cpp takeactions.h
    webcaller.h
    websession.h
)
