# The installed launcher entry passes desktop-file-validate (without a single remark) and names
# a command and an icon that the install provides.
#   cmake -D PREFIX=... -D BIN_DIR=bin -P check_desktop_entry.cmake

set(entry ${PREFIX}/share/applications/corvanna.desktop)
if(NOT EXISTS ${entry})
    message(FATAL_ERROR "no ${entry}")
endif()

file(STRINGS ${entry} lines)
set(exec "")
set(icon "")
foreach(line ${lines})
    if(line MATCHES "^Exec=([^ ]+)")
        set(exec ${CMAKE_MATCH_1})
    elseif(line MATCHES "^Icon=(.+)$")
        set(icon ${CMAKE_MATCH_1})
    endif()
endforeach()
if(NOT exec STREQUAL "corvanna" OR NOT EXISTS ${PREFIX}/${BIN_DIR}/${exec})
    message(FATAL_ERROR "Exec names \"${exec}\", which is not the installed command ${BIN_DIR}/corvanna")
endif()
if(NOT EXISTS ${PREFIX}/share/icons/hicolor/48x48/apps/${icon}.png
   OR NOT EXISTS ${PREFIX}/share/icons/hicolor/scalable/apps/${icon}.svg)
    message(FATAL_ERROR "Icon names \"${icon}\", which the installed icon theme does not hold")
endif()

find_program(validate desktop-file-validate)
if(NOT validate)
    message("desktop-file-validate is not installed (Debian package desktop-file-utils)")
    return()
endif()
execute_process(COMMAND ${validate} ${entry} RESULT_VARIABLE result OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR NOT output STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate ${entry} (${result}):\n${output}")
endif()
