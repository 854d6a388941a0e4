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

add_executable(kov-calculator app/main.cpp)
target_sources(kov-calculator PRIVATE app/DisplayCheck.cpp app/CommandLine.cpp)
target_link_libraries(kov-calculator PRIVATE kovui kovversion)
