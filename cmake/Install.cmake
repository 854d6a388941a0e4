# Installation: the program in bin/, found by the desktop through its entry.
include(GNUInstallDirs)

if(TARGET kov-calculator)
    install(TARGETS kov-calculator RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
