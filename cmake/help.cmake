# The help viewer reads compiled HTML help files through chmlib (Debian: libchm-dev).
find_path(CHM_INCLUDE_DIR chm_lib.h)
find_library(CHM_LIBRARY NAMES chm)
if(NOT CHM_INCLUDE_DIR OR NOT CHM_LIBRARY)
    message(FATAL_ERROR "chmlib not found: install libchm-dev (scripts/install-deps)")
endif()
target_include_directories(swatchly_ui PRIVATE ${CHM_INCLUDE_DIR})
target_link_libraries(swatchly_ui PUBLIC ${CHM_LIBRARY})
