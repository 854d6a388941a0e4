# Installation as a desktop application, and the Debian package made from it.
#
# Everything the desktop needs to find the program carries one application ID:
# the desktop entry's file name, the AppStream component, the theme icon's name
# and the name the running program announces (QGuiApplication::desktopFileName
# in app/main.cpp).
include(GNUInstallDirs)

set(KOV_APP_ID "io.github.kovcalculator.KovCalculator")
set(KOV_PACKAGING_DIR "${CMAKE_CURRENT_SOURCE_DIR}/packaging")

if(TARGET kov-calculator)
    install(TARGETS kov-calculator RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

install(FILES "${KOV_PACKAGING_DIR}/${KOV_APP_ID}.desktop"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES "${KOV_PACKAGING_DIR}/${KOV_APP_ID}.metainfo.xml"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The theme icons are drawn at build time from icon 131 itself, so the XPM in
# resources/ stays the only picture and a larger size can never show an older
# drawing. 32 is the picture as it is; the others repeat each pixel in square
# blocks.
set(KOV_ICON_SIZES 32 64 128 256)
add_executable(kov-icon-scaler "${KOV_PACKAGING_DIR}/IconScaler.cpp")
target_link_libraries(kov-icon-scaler PRIVATE Qt6::Gui)

set(KOV_ICON_SOURCE "${CMAKE_CURRENT_SOURCE_DIR}/resources/icon131.xpm")
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
# kov-calculator_0.92_amd64.deb. Library dependencies are read off the program
# by dpkg-shlibdeps (package dpkg-dev); what it cannot see is named here: the
# windowing plugins Qt loads at run time, and the font the dialogs are drawn in
# (without it the column alignment falls back to whatever fixed face exists).
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
include(CPack)
