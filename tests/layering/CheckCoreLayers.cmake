# SPDX-License-Identifier: MIT
# Run by the core_parts_include_downward test: each part of the core includes
# only its own headers and those of the parts below it, so that a part can be
# taken (and tested) with what lies under it alone.
#
#     model      the hit record, the combo state, editing rules, undo
#     text       number texts, the digit filter, list lines (on model)
#     scoring    the engine and the best-order search (on model)
#     files      combo files and safe writes (read files are scored)
#     report     the Results.Txt block and its writer
#     workbench  the combo with its history, its file and the state table
cmake_minimum_required(VERSION 3.25)
set(below_model "")
set(below_text model)
set(below_scoring model)
set(below_files model text scoring)
set(below_report model text scoring files)
set(below_workbench model text scoring files report)
set(parts model text scoring files report workbench)

set(faults "")
foreach(part IN LISTS parts)
    file(GLOB sources "${CORE}/${part}/*.h" "${CORE}/${part}/*.cpp")
    foreach(source IN LISTS sources)
        file(STRINGS "${source}" includes REGEX "^#include \"")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
            string(REGEX MATCH "^[^/]+" folder "${header}")
            if(header STREQUAL folder OR folder STREQUAL part OR folder IN_LIST below_${part})
                continue()
            endif()
            file(RELATIVE_PATH name "${CORE}" "${source}")
            string(APPEND faults "\n  ${name} includes ${header}")
        endforeach()
    endforeach()
endforeach()
if(faults)
    message(FATAL_ERROR "core parts that include a part beside or above them:${faults}")
endif()
file(GLOB stray LIST_DIRECTORIES true RELATIVE "${CORE}" "${CORE}/*")
foreach(entry IN LISTS stray)
    if(IS_DIRECTORY "${CORE}/${entry}" AND NOT entry IN_LIST parts)
        message(FATAL_ERROR "core/${entry} is no known part: give it its place in the layers")
    endif()
endforeach()
message(STATUS "every part of the core includes downward only")
