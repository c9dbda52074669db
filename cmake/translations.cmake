# Swatchly in the user's language. translations/swatchly_<language>.ts are the source of record
# (make translations refreshes them from the code); the build compiles each into a .qm file and
# embeds them in the platform library at :/i18n, where the translations service loads them.
# Qt's own translations (its dialogs and buttons) come from Qt's translations folder at run time.
find_package(Qt6 6.4 REQUIRED COMPONENTS LinguistTools)
file(GLOB SWATCHLY_TS_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/translations/swatchly_*.ts)
if(SWATCHLY_TS_FILES)
    qt_add_lrelease(swatchly_platform NO_GLOBAL_TARGET TS_FILES ${SWATCHLY_TS_FILES}
        QM_FILES_OUTPUT_VARIABLE SWATCHLY_QM_FILES OPTIONS -silent)
    # A static library hands its resources on to whatever links it through an object library,
    # so the linker cannot drop them.
    qt_add_resources(swatchly_platform swatchly_translations PREFIX /i18n
        BASE ${CMAKE_CURRENT_BINARY_DIR} FILES ${SWATCHLY_QM_FILES})
endif()
