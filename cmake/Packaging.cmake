# `cpack` in the build folder makes a Debian package of the three programs, the menu entry and
# the icon. The libraries they link are found by dpkg-shlibdeps; what Qt loads at run time (QML
# modules, platform and image plugins, the SQLite driver) and the CJK font are listed here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvo)
set(CPACK_PACKAGE_VENDOR "Tarvo")
set(CPACK_PACKAGE_CONTACT "Tarvo Pay developers <developers@tarvo.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Pay water, electricity and gas bills")
set(CPACK_PACKAGE_DESCRIPTION
    "Tarvo Pay looks up what a utility account owes and pays it, lists the payments made from \
this device, shows the company's notices and service outlets, and brings its messages as \
notifications. tarvo-cli does the same from a terminal; tarvo-sandbox stands in for the company.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qml6-module-qtqml, qml6-module-qtqml-models, qml6-module-qtqml-workerscript, \
qml6-module-qtquick, qml6-module-qtquick-window, qml6-module-qtquick-controls, \
qml6-module-qtquick-templates, qml6-module-qtquick-layouts, qml6-module-qtquick-shapes, \
qml6-module-qtwebengine, qml6-module-qtwebchannel, qt6-qpa-plugins, libqt6svg6, \
libqt6sql6-sqlite, fonts-wqy-microhei")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gnome-keyring")
include(CPack)
