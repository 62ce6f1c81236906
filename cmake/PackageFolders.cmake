# SPDX-License-Identifier: MIT
# Run by cpack (CPACK_PRE_BUILD_SCRIPTS) on the staged files before they are
# packed: every folder becomes 0755. cpack makes the folders above the files
# with the packager's umask, and a umask of 077 would otherwise ship
# /usr/share/doc/calcora and its parents unreadable to everyone but root.
# Given only folder permissions, file(CHMOD) leaves the files as they are.
file(GLOB_RECURSE staged LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
file(CHMOD ${staged} DIRECTORY_PERMISSIONS
     OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
