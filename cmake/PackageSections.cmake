# SPDX-License-Identifier: MIT
# Run by cpack (CPACK_PRE_BUILD_SCRIPTS) on the staged files before they are
# packed: the program loses the .comment and .note sections that strip leaves
# (compiler versions and the like, which nothing at run time reads), as
# Debian's own packaging tools remove them. The build ID note stays.
file(GLOB_RECURSE programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/*")
foreach(program IN LISTS programs)
  execute_process(
    COMMAND ${CPACK_CALCORA_OBJCOPY} --remove-section=.comment --remove-section=.note ${program}
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "objcopy could not remove the unneeded sections of ${program}")
  endif()
endforeach()
