# SPDX-License-Identifier: MIT
# The window layer on top of the core: Qt 6 Widgets.
find_package(Qt6 6.4 REQUIRED COMPONENTS Core Widgets Test)
include(GNUInstallDirs)

set(CMAKE_AUTOMOC ON)

# Templates as data and the widgets they are turned into.
add_library(kovwidgets STATIC
    resources/MainDialogTemplate.cpp
    resources/AboutDialogTemplate.cpp
    resources/Strings.cpp
    resources/ProgramIcon.cpp
    dialog/DialogFont.cpp
    dialog/WindowCentring.cpp
    dialog/controls/ArrowKeyGroup.cpp
    dialog/controls/ComboListBox.cpp
    dialog/controls/DialogCheckBox.cpp
    dialog/controls/DialogGroupBox.cpp
    dialog/controls/DialogLabel.cpp
    dialog/controls/DialogPushButton.cpp
    dialog/controls/DialogRadioButton.cpp
    dialog/controls/DropDownStyle.cpp
    dialog/controls/MnemonicRoute.cpp
    dialog/TemplateBuilder.cpp
    app/CAboutDlg.cpp
)
target_include_directories(kovwidgets PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(kovwidgets PUBLIC Qt6::Widgets)
target_compile_definitions(kovwidgets PUBLIC QT_NO_CONTEXTLESS_CONNECT QT_NO_KEYWORDS)

add_library(kovui STATIC
    dialog/Feedback.cpp
    dialog/CComboCalcDlg.cpp
    dialog/DlgNotifications.cpp
    dialog/DlgEntry.cpp
    dialog/DlgCommands.cpp
    dialog/DlgList.cpp
    dialog/DlgShell.cpp
    dialog/DlgHistory.cpp
    dialog/DlgLineOperations.cpp
    dialog/DlgFiles.cpp
    dialog/DlgBestOrder.cpp
    dialog/DlgTooltips.cpp
    dialog/FileChooser.cpp
    app/CComboCalcApp.cpp
    app/Startup.cpp
)
target_link_libraries(kovui PUBLIC kovwidgets kovcore)
# The start-up begins fontconfig's set-up early on a thread of its own.
find_package(PkgConfig REQUIRED)
pkg_check_modules(Fontconfig REQUIRED IMPORTED_TARGET fontconfig)
target_link_libraries(kovui PRIVATE PkgConfig::Fontconfig)

# The static libraries above also go into the window module, a shared object.
# Nothing interposes their functions, so the compiler may still inline them.
set_target_properties(kovcore kovwidgets kovui PROPERTIES POSITION_INDEPENDENT_CODE ON)
foreach(library kovcore kovwidgets kovui)
    target_compile_options(${library} PRIVATE -fno-semantic-interposition)
endforeach()

# The window: a module the program loads only to show it, so that the
# command-line modes load Qt Core and nothing of the GUI. Only its entry point
# is exported.
add_library(kovwindow MODULE app/WindowEntry.cpp)
target_link_libraries(kovwindow PRIVATE kovui kovversion)
set_target_properties(kovwindow PROPERTIES
    PREFIX ""
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
target_link_options(kovwindow PRIVATE -Wl,--exclude-libs,ALL)
# Installed in a folder of the program's own under the library folder; the
# program finds it there relative to its own folder, wherever the prefix is.
set(kov_window_module_folder kov-calculator)
set(KOV_WINDOW_MODULE_DIR "${CMAKE_INSTALL_LIBDIR}/${kov_window_module_folder}")
file(RELATIVE_PATH KOV_WINDOW_MODULE_FROM_PROGRAM
    "${CMAKE_INSTALL_FULL_BINDIR}" "${CMAKE_INSTALL_FULL_LIBDIR}/${kov_window_module_folder}")

add_executable(kov-calculator app/main.cpp)
target_sources(kov-calculator PRIVATE
    app/DisplayCheck.cpp app/CommandLine.cpp app/WindowModuleLoader.cpp)
target_include_directories(kov-calculator PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(kov-calculator PRIVATE kovcore Qt6::Core kovversion ${CMAKE_DL_LIBS})
target_compile_definitions(kov-calculator PRIVATE
    KOV_WINDOW_MODULE_FILE="$<TARGET_FILE_NAME:kovwindow>"
    KOV_WINDOW_MODULE_INSTALLED_DIR="${KOV_WINDOW_MODULE_FROM_PROGRAM}")
# Building the program builds the window it loads.
add_dependencies(kov-calculator kovwindow)
