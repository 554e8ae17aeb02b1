# `make package`: one .deb with zeldesk, zelsim, the desktop entry, the icon, the
# remote-access service and the compiled catalogues (also embedded in zeldesk; installed
# for translators and tools).
include(GNUInstallDirs)
# `make package` builds first; cpack then installs only what is listed here.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

install(TARGETS zeldesk zelsim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/resources/zeldesk.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/resources/images/applogo.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps RENAME zeldesk.png)
install(FILES ${CMAKE_BINARY_DIR}/resources/zeldesk_zh.qm ${CMAKE_BINARY_DIR}/resources/zeldesk_en.qm
        DESTINATION ${CMAKE_INSTALL_DATADIR}/zeldesk/translations)
# Remote access as a service: the unit (disabled; the package never enables it) and the
# scripts that create its system user.
install(FILES ${CMAKE_SOURCE_DIR}/packaging/zeldesk-remote.service DESTINATION lib/systemd/system)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zeldesk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "zeldesk")
set(CPACK_PACKAGE_CONTACT "zeldesk maintainers <zeldesk@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Control client for HDMI/4K matrix switchers, video walls and multiview processors")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded as plugins, so the library scan cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt5sql5-sqlite, libqt5svg5")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${CMAKE_SOURCE_DIR}/packaging/postinst ${CMAKE_SOURCE_DIR}/packaging/prerm
    ${CMAKE_SOURCE_DIR}/packaging/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
