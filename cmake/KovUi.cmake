# The window layer on top of the core: Qt 6 Widgets.
find_package(Qt6 6.4 REQUIRED COMPONENTS Widgets Test)

set(CMAKE_AUTOMOC ON)

# Templates as data and the widgets they are turned into.
add_library(kovwidgets STATIC
    resources/MainDialogTemplate.cpp
    resources/AboutDialogTemplate.cpp
    resources/Strings.cpp
    resources/ProgramIcon.cpp
    dialog/DialogFont.cpp
    dialog/Win32Controls.cpp
    dialog/TemplateBuilder.cpp
    app/CAboutDlg.cpp
)
target_include_directories(kovwidgets PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
# The dialog font starts fontconfig's set-up early on a thread of its own.
find_package(PkgConfig REQUIRED)
pkg_check_modules(Fontconfig REQUIRED IMPORTED_TARGET fontconfig)
target_link_libraries(kovwidgets PUBLIC Qt6::Widgets PRIVATE PkgConfig::Fontconfig)
target_compile_definitions(kovwidgets PUBLIC QT_NO_CONTEXTLESS_CONNECT QT_NO_KEYWORDS)

add_library(kovui STATIC
    dialog/Feedback.cpp
    dialog/CComboCalcDlg.cpp
    dialog/DlgLayout.cpp
    dialog/DlgEntry.cpp
    dialog/DlgCommands.cpp
    dialog/DlgList.cpp
    dialog/DlgShell.cpp
    app/CComboCalcApp.cpp
)
target_link_libraries(kovui PUBLIC kovwidgets kovcore)

add_executable(kov-calculator app/main.cpp)
target_sources(kov-calculator PRIVATE app/DisplayCheck.cpp)
target_link_libraries(kov-calculator PRIVATE kovui kovversion)
