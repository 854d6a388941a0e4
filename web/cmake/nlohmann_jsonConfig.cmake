# SPDX-License-Identifier: MIT
# The web build compiles with emscripten's own C library, so Debian's
# /usr/include must never reach the compiler: it would shadow the sysroot's
# headers. The JSON library is header-only; this stands in for Debian's
# package file and offers a folder that holds nothing but its headers.
set(nlohmann_json_VERSION 3)
set(kov_json_headers "${CMAKE_BINARY_DIR}/json-headers")
if(NOT EXISTS "${kov_json_headers}/nlohmann")
    file(MAKE_DIRECTORY "${kov_json_headers}")
    file(CREATE_LINK /usr/include/nlohmann "${kov_json_headers}/nlohmann" SYMBOLIC)
endif()
if(NOT TARGET nlohmann_json::nlohmann_json)
    add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
    set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
        INTERFACE_INCLUDE_DIRECTORIES "${kov_json_headers}")
endif()
