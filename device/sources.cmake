# The device library's sources, relative to device/; the fuzz build includes this list too.
set(zel_device_sources
    captionsettings.h
    commands.cpp commands.h
    devicestate.cpp devicestate.h
    jsonvalue.cpp jsonvalue.h
    keepalive.cpp keepalive.h
    linkoutbox.cpp linkoutbox.h
    logbatch.cpp logbatch.h
    devicemodel.h
    messagedistance.cpp messagedistance.h
    recordsignals.cpp recordsignals.h
    replyparser.cpp replyparser.h
    sigmanager.cpp sigmanager.h
    uploadchannel.cpp uploadchannel.h
)
