# SPDX-License-Identifier: MIT
# Run by the core_cannot_include_window test; see CMakeLists.txt beside it.
string(REPLACE "|" ";" includes "${INCLUDES}")
string(REPLACE "|" ";" linked "${LINKED}")
separate_arguments(flags UNIX_COMMAND "${FLAGS}")

foreach(library IN LISTS linked)
    if(library MATCHES "Qt")
        message(FATAL_ERROR "the core links ${library}")
    endif()
endforeach()

set(include_flags)
foreach(dir IN LISTS includes)
    list(APPEND include_flags "-I${dir}")
endforeach()

function(compile probe result_var output_var)
    execute_process(
        COMMAND ${COMPILER} ${flags} ${include_flags} -fsyntax-only ${PROBES}/${probe}
        RESULT_VARIABLE result
        OUTPUT_VARIABLE output
        ERROR_VARIABLE output)
    set(${result_var} "${result}" PARENT_SCOPE)
    set(${output_var} "${output}" PARENT_SCOPE)
endfunction()

compile(CoreHeaders.cpp result output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "core headers do not compile with the core's flags:\n${output}")
endif()

# Each probe includes one header of a layer above; the only acceptable failure
# is that very header not being found (a window header found, which then
# misses its Qt headers, would mean the core's include path reaches it).
foreach(pair "WindowHeader.cpp|window/CComboCalcDlg.h" "AppHeader.cpp|app/CommandLine.h"
             "QtHeader.cpp|QString")
    string(REPLACE "|" ";" pair "${pair}")
    list(GET pair 0 probe)
    list(GET pair 1 header)
    compile(${probe} result output)
    if(result EQUAL 0)
        message(FATAL_ERROR "${probe}: the core can include ${header}")
    endif()
    string(REPLACE "." "[.]" header_regex "${header}")
    if(NOT output MATCHES "'?${header_regex}'?:? (No such file or directory|file not found)")
        message(FATAL_ERROR "${probe} failed otherwise than by missing ${header}:\n${output}")
    endif()
    message(STATUS "${probe}: ${header} is out of the core's reach")
endforeach()
