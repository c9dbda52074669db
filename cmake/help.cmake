# The help: the reader of compiled HTML help files and the viewer that shows them, a library of
# its own and the only part of the program that links chmlib (Debian: libchm-dev). It is a
# required part of the program: the build stops when chmlib is missing.
find_path(CHM_INCLUDE_DIR chm_lib.h)
find_library(CHM_LIBRARY NAMES chm)
if(NOT CHM_INCLUDE_DIR OR NOT CHM_LIBRARY)
    message(FATAL_ERROR "chmlib not found: install libchm-dev (scripts/install-deps)")
endif()
file(GLOB HELP_SOURCES CONFIGURE_DEPENDS src/help/*.cpp src/help/*.h)
add_library(swatchly_help STATIC ${HELP_SOURCES})
target_include_directories(swatchly_help PUBLIC src)
target_include_directories(swatchly_help PRIVATE ${CHM_INCLUDE_DIR})
target_link_libraries(swatchly_help PUBLIC swatchly_platform PRIVATE ${CHM_LIBRARY})
