# Run by CPack on the staged files before it packs them: strips the executable of debugging
# information and of the .comment and .note sections that name the compiler, as dh_strip does.
file(GLOB_RECURSE staged_programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/swatchly")
if(NOT staged_programs)
    message(FATAL_ERROR "package-strip: no staged swatchly under ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
foreach(program IN LISTS staged_programs)
    execute_process(COMMAND strip --remove-section=.comment --remove-section=.note ${program}
        COMMAND_ERROR_IS_FATAL ANY)
endforeach()
