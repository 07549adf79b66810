# SPDX-License-Identifier: MIT
# Runs inside CPack, on the staged files of the package: adds the files that only the Debian
# package ships, the changelog (gzip -9n, as Debian policy asks, so that the package is the
# same from one build to the next) and, for the static binary, the lintian overrides.
set(share "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/share")
set(changelog "${CPACK_ZORVA_DEBIAN_DIR}/changelog")

# A release without its changelog entry would ship a changelog that ends one version early.
file(STRINGS "${changelog}" heading LIMIT_COUNT 1)
if(NOT heading MATCHES "^zorva \\(${CPACK_ZORVA_VERSION}\\) ")
  message(FATAL_ERROR "${changelog} begins with '${heading}', not an entry for "
                      "${CPACK_ZORVA_VERSION}")
endif()
file(MAKE_DIRECTORY "${share}/doc/zorva")
execute_process(COMMAND gzip -9nc "${changelog}" OUTPUT_FILE "${share}/doc/zorva/changelog.gz"
                COMMAND_ERROR_IS_FATAL ANY)

if(CPACK_ZORVA_STATIC_ARCHIVES)
  file(MAKE_DIRECTORY "${share}/lintian/overrides")
  file(COPY_FILE "${CPACK_ZORVA_DEBIAN_DIR}/lintian-overrides" "${share}/lintian/overrides/zorva")
endif()
file(GLOB added "${share}/doc/zorva" "${share}/lintian")
file(CHMOD_RECURSE ${added}
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
     DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                           WORLD_READ WORLD_EXECUTE)
