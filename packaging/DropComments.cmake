# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack on the staged files of the package: drops the compiler's notes (.comment, .note)
# from every ELF file, as Debian's own strip does and cpack's does not.
find_program(QL_OBJCOPY objcopy REQUIRED)
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(file IN LISTS staged)
    if(IS_SYMLINK "${file}")
        continue()
    endif()
    file(READ "${file}" magic LIMIT 4 HEX)
    if(magic STREQUAL "7f454c46")
        execute_process(COMMAND ${QL_OBJCOPY} --remove-section=.comment --remove-section=.note
            "${file}" RESULT_VARIABLE failed)
        if(failed)
            message(FATAL_ERROR "objcopy could not clean ${file}")
        endif()
    endif()
endforeach()
