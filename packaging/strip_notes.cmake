# Run by cpack on the staged tree before it packs it: takes the compilers' notes (the .comment
# section) out of the program and its print module, as Debian's own packaging does when it strips.
file(GLOB_RECURSE programs "${CPACK_TEMPORARY_DIRECTORY}/*/games/dorv" "${CPACK_TEMPORARY_DIRECTORY}/*/bin/dorv"
     "${CPACK_TEMPORARY_DIRECTORY}/*/libdorv-print.so")
foreach(program IN LISTS programs)
  execute_process(COMMAND ${CPACK_DORV_OBJCOPY} --remove-section=.comment ${program} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
