# SPDX-License-Identifier: GPL-3.0-or-later
# Included by the install script, when the final prefix is known: the <bindir>/quorlan-lite link
# and the launcher whose Exec names that link.

function(ql_full_path dir out)
    if(IS_ABSOLUTE "${dir}")
        set(${out} "${dir}" PARENT_SCOPE)
    else()
        set(${out} "${CMAKE_INSTALL_PREFIX}/${dir}" PARENT_SCOPE)
    endif()
endfunction()

# Desktop Entry quoting: a path with anything but plain characters is double-quoted with `"`,
# `` ` ``, `$` and `\` escaped; '%' is doubled; then the value's own escape doubles '\' again.
function(ql_exec_value path out)
    string(REPLACE "%" "%%" value "${path}")
    if(NOT value MATCHES "^[A-Za-z0-9/._+%-]+$")
        string(REPLACE "\\" "\\\\" value "${value}")
        string(REPLACE "\"" "\\\"" value "${value}")
        string(REPLACE "`" "\\`" value "${value}")
        string(REPLACE "$" "\\$" value "${value}")
        string(REPLACE "\\" "\\\\" value "\"${value}\"")
    endif()
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

ql_full_path("${QL_BINDIR}" ql_bindir)
ql_full_path("${QL_INSTALL_DIR}" ql_pkgdir)
ql_full_path("${QL_DATADIR}" ql_datadir)

file(RELATIVE_PATH ql_target "${ql_bindir}" "${ql_pkgdir}/quorlan-lite")
set(ql_link "$ENV{DESTDIR}${ql_bindir}/quorlan-lite")
message(STATUS "Installing: ${ql_link} -> ${ql_target}")
file(MAKE_DIRECTORY "$ENV{DESTDIR}${ql_bindir}")
file(CREATE_LINK "${ql_target}" "${ql_link}" SYMBOLIC)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${ql_link}")

ql_exec_value("${ql_bindir}/quorlan-lite" QL_EXEC)
set(ql_desktop "$ENV{DESTDIR}${ql_datadir}/applications/org.vessantry.QuorlanLite.desktop")
message(STATUS "Installing: ${ql_desktop}")
configure_file("${QL_DESKTOP_IN}" "${ql_desktop}" @ONLY)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${ql_desktop}")
