# The storage library's sources, relative to storage/; the fuzz build includes this list too.
set(zel_storage_sources
    appsettings.cpp appsettings.h
    captionstore.cpp captionstore.h
    datadir.cpp datadir.h
    permissionstore.cpp permissionstore.h
    planmarkstore.cpp planmarkstore.h
    plannamestore.cpp plannamestore.h
    portnamestore.cpp portnamestore.h
    projectdb.cpp projectdb.h
    projectdbcheck.cpp projectdbcheck.h
    projecttables.cpp projecttables.h
    salvostore.cpp salvostore.h
    storagelog.h
    userstore.cpp userstore.h
)
