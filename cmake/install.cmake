# Where an installed Swatchly puts its files. The executable goes to bin/, the files it ships
# with to share/swatchly/, from where the program seeds each user's own data folder on its
# first start (the program folder's rules live in src/platform/services/ProgramFolder.cpp).
include(GNUInstallDirs)

# One id names the desktop entry, the icon and the AppStream data; main.cpp gives the same id
# to QGuiApplication::setDesktopFileName so that the desktop matches windows to the entry.
set(SWATCHLY_APP_ID org.swatchly.swatchly)
set(SWATCHLY_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/swatchly)

# A moved executable no longer finds ../share/swatchly; the configured place is its second
# guess. Only the one source that asks gets the define, so a new prefix rebuilds one file.
set_property(SOURCE ${CMAKE_SOURCE_DIR}/src/platform/services/ProgramFolder.cpp APPEND PROPERTY
    COMPILE_DEFINITIONS SWATCHLY_SHIPPED_DATA_DIR="${CMAKE_INSTALL_FULL_DATADIR}/swatchly")

# Installing needs the program, not the tests: make install and make package build the
# swatchly target themselves, so installing (and cpack) does not build everything first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

install(TARGETS swatchly RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

foreach(data_file IN LISTS SWATCHLY_DATA_FILES)
    if(data_file STREQUAL "UserDefColors.col")
        # Installed under a prefix the user owns (make install into ~/.local), share/swatchly
        # is the user's data folder itself, and this file holds the colours they stored: a
        # reinstall must not put the shipped colours over them.
        install(CODE "
            set(stored \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${SWATCHLY_INSTALL_DATADIR}/${data_file}\")
            if(EXISTS \"\${stored}\")
                message(STATUS \"Keeping: \${stored}\")
            else()
                file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${SWATCHLY_INSTALL_DATADIR}\"
                    TYPE FILE FILES \"${CMAKE_SOURCE_DIR}/data/${data_file}\")
            endif()")
    elseif(EXISTS ${CMAKE_SOURCE_DIR}/data/${data_file})
        install(FILES ${CMAKE_SOURCE_DIR}/data/${data_file}
            DESTINATION ${SWATCHLY_INSTALL_DATADIR})
    elseif(data_file STREQUAL "swatchly.chm")
        # The help file may be built rather than kept in data/; the build puts it beside the
        # executable either way.
        install(FILES ${CMAKE_BINARY_DIR}/${data_file}
            DESTINATION ${SWATCHLY_INSTALL_DATADIR} OPTIONAL)
    endif()
endforeach()

install(FILES ${CMAKE_SOURCE_DIR}/packaging/${SWATCHLY_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${CMAKE_SOURCE_DIR}/packaging/${SWATCHLY_APP_ID}.metainfo.xml.in
    ${CMAKE_BINARY_DIR}/${SWATCHLY_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${SWATCHLY_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The manual page and the package's changelog carry the release's version and date, and are
# installed compressed with gzip -9n (no name or time stamp, so the same input gives the same
# bytes). They are made when the build is configured, which a change of either template or of
# the release triggers.
execute_process(COMMAND date -u -R -d "${SWATCHLY_RELEASE_DATE} 12:00:00"
    OUTPUT_VARIABLE SWATCHLY_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
function(swatchly_gzip_template template output)
    configure_file(${template} ${CMAKE_BINARY_DIR}/${output} @ONLY)
    execute_process(COMMAND gzip -9n -f ${CMAKE_BINARY_DIR}/${output} COMMAND_ERROR_IS_FATAL ANY)
endfunction()
swatchly_gzip_template(${CMAKE_SOURCE_DIR}/packaging/swatchly.1.in swatchly.1)
swatchly_gzip_template(${CMAKE_SOURCE_DIR}/packaging/debian/changelog.in changelog)
install(FILES ${CMAKE_BINARY_DIR}/swatchly.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
set(SWATCHLY_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/swatchly)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz ${CMAKE_SOURCE_DIR}/packaging/debian/copyright
    DESTINATION ${SWATCHLY_DOC_DIR})
# What lintian says of the package that is meant so, each with its reason.
install(FILES ${CMAKE_SOURCE_DIR}/packaging/debian/lintian-overrides
    DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME swatchly)

set(SWATCHLY_ICON_DIR ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/swatchly.svg
    DESTINATION ${SWATCHLY_ICON_DIR}/scalable/apps RENAME ${SWATCHLY_APP_ID}.svg)
foreach(icon_size IN ITEMS 16 22 24 32 48 64 128 256 512)
    install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/swatchly-${icon_size}.png
        DESTINATION ${SWATCHLY_ICON_DIR}/${icon_size}x${icon_size}/apps
        RENAME ${SWATCHLY_APP_ID}.png)
endforeach()
