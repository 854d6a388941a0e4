# SPDX-License-Identifier: MIT
# Installation as a desktop application, and the Debian package made from it.
#
# Everything the desktop needs to find the program carries one application ID:
# the desktop entry's file name, the AppStream component, the theme icon's name
# and the name the running program announces (QGuiApplication::desktopFileName
# in app/WindowEntry.cpp). The ID and the version come from the top-level
# CMakeLists.txt; the entry and the AppStream file are written from templates.
include(GNUInstallDirs)

set(KOV_PACKAGING_DIR "${CMAKE_CURRENT_SOURCE_DIR}/packaging")
set(KOV_DESKTOP_ENTRY "${KOV_GENERATED_DIR}/${KOV_APP_ID}.desktop")
set(KOV_METAINFO "${KOV_GENERATED_DIR}/${KOV_APP_ID}.metainfo.xml")
configure_file("${KOV_PACKAGING_DIR}/desktop-entry.desktop.in" "${KOV_DESKTOP_ENTRY}" @ONLY)
configure_file("${KOV_PACKAGING_DIR}/metainfo.xml.in" "${KOV_METAINFO}" @ONLY)

# The program and its window module are installed stripped: the build folder
# keeps the copies with their debug information. `cmake --install` strips
# unless told otherwise with -DKOV_INSTALL_STRIPPED=OFF at configure time;
# `cmake --install --strip` and CPack (CPACK_STRIP_FILES) strip in any case.
option(KOV_INSTALL_STRIPPED "Strip the program when installing it" ON)
if(KOV_INSTALL_STRIPPED)
    install(CODE "set(CMAKE_INSTALL_DO_STRIP TRUE)")
endif()
install(TARGETS kov-calculator RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS kovwindow LIBRARY DESTINATION ${KOV_WINDOW_MODULE_DIR})

install(FILES "${KOV_DESKTOP_ENTRY}" DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES "${KOV_METAINFO}" DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The combo files' type, so that a file manager opens *.kovcombo with the
# program; the desktop entry declares it.
install(FILES "${KOV_PACKAGING_DIR}/mime-type.xml" DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME "${KOV_APP_ID}.xml")
# Where Debian keeps a package's licence.
install(FILES "${CMAKE_CURRENT_SOURCE_DIR}/LICENSE"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kov-calculator RENAME copyright)

# The theme icons are drawn at build time from icon 131 itself, so the XPM in
# window/templates/ stays the only picture and a larger size can never show an older
# drawing. 32 is the picture as it is; the others repeat each pixel in square
# blocks.
set(KOV_ICON_SIZES 32 64 128 256)
add_executable(kov-icon-scaler "${KOV_PACKAGING_DIR}/IconScaler.cpp")
target_link_libraries(kov-icon-scaler PRIVATE Qt6::Gui)

set(KOV_ICON_SOURCE "${CMAKE_CURRENT_SOURCE_DIR}/window/templates/icon131.xpm")
set(KOV_ICON_DIR "${CMAKE_CURRENT_BINARY_DIR}/icons/hicolor")
set(kov_icon_files)
foreach(size IN LISTS KOV_ICON_SIZES)
    set(png "${KOV_ICON_DIR}/${size}x${size}/apps/${KOV_APP_ID}.png")
    add_custom_command(
        OUTPUT "${png}"
        COMMAND ${CMAKE_COMMAND} -E make_directory "${KOV_ICON_DIR}/${size}x${size}/apps"
        COMMAND kov-icon-scaler "${KOV_ICON_SOURCE}" ${size} "${png}"
        DEPENDS kov-icon-scaler "${KOV_ICON_SOURCE}"
        COMMENT "Drawing the ${size}x${size} theme icon"
        VERBATIM)
    list(APPEND kov_icon_files "${png}")
    install(FILES "${png}" DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(kov-theme-icons ALL DEPENDS ${kov_icon_files})

# The Debian package: `cpack -G DEB` in the build folder writes
# kov-calculator_<version>_amd64.deb. Library dependencies are read off the
# program by dpkg-shlibdeps (package dpkg-dev); what it cannot see is named
# here: the windowing plugins Qt loads at run time, and the font the dialogs
# are drawn in (without it the column alignment falls back to whatever fixed
# face exists). Qt's Wayland plugin is only recommended: without it the
# program still runs on a Wayland desktop, through XWayland.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "kov-calculator")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Kov Calculator developers")
set(CPACK_PACKAGE_CONTACT "Kov Calculator developers <noreply@kovcalculator.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "damage and score calculator for trap combos")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Kov Calculator builds a trap combo of up to 15 hits on one enemy and shows,\n"
    "for every hit, the damage, the kill and Jk state, the rate and the score in\n"
    "Theory or Real mode. Output appends a report to Results.Txt.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
