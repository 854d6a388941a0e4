# SPDX-License-Identifier: MIT
# The program's version and application ID as a generated header, so that
# the program announces the same values the packaging files are written with.
set(KOV_GENERATED_DIR "${PROJECT_BINARY_DIR}/generated")
configure_file("${CMAKE_CURRENT_LIST_DIR}/KovVersion.h.in" "${KOV_GENERATED_DIR}/KovVersion.h" @ONLY)

add_library(kovversion INTERFACE)
target_include_directories(kovversion INTERFACE "${KOV_GENERATED_DIR}")
