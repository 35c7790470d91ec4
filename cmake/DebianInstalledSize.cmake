# Run by CPack after it built the Debian package (CPACK_POST_BUILD_SCRIPTS): declares the
# installed size as dpkg-gencontrol counts it, each file rounded up to whole kibibytes and
# each folder and link one, in place of CPack's sum of the bytes, which the 6763 small
# pictures make far too small. The package is rebuilt from its own contents with the same
# compression.
foreach(package ${CPACK_PACKAGE_FILES})
    if(NOT package MATCHES "\\.deb$")
        continue()
    endif()
    set(tree ${CPACK_TOPLEVEL_DIRECTORY}/installed-size)
    file(REMOVE_RECURSE ${tree})
    execute_process(COMMAND dpkg-deb -R ${package} ${tree} RESULT_VARIABLE failed
                    ERROR_VARIABLE error)
    if(failed)
        message(FATAL_ERROR "${package} cannot be unpacked: ${error}")
    endif()
    file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE ${tree} ${tree}/*)
    set(kibibytes 0)
    foreach(entry ${entries})
        if(entry MATCHES "^DEBIAN(/|$)")
            continue()
        endif()
        if(IS_SYMLINK ${tree}/${entry} OR IS_DIRECTORY ${tree}/${entry})
            math(EXPR kibibytes "${kibibytes} + 1")
        else()
            file(SIZE ${tree}/${entry} bytes)
            math(EXPR kibibytes "${kibibytes} + (${bytes} + 1023) / 1024")
        endif()
    endforeach()
    file(READ ${tree}/DEBIAN/control control)
    string(REGEX REPLACE "Installed-Size: [0-9]+" "Installed-Size: ${kibibytes}" control
           "${control}")
    file(WRITE ${tree}/DEBIAN/control "${control}")
    execute_process(COMMAND dpkg-deb --root-owner-group -Z${CPACK_DEBIAN_COMPRESSION_TYPE}
                            --build ${tree} ${package}
                    RESULT_VARIABLE failed OUTPUT_QUIET ERROR_VARIABLE error)
    if(failed)
        message(FATAL_ERROR "${package} cannot be rebuilt: ${error}")
    endif()
    file(REMOVE_RECURSE ${tree})
    message(STATUS "${package}: Installed-Size ${kibibytes} KiB")
endforeach()
