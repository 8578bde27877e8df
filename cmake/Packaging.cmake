# The download for Windows users: a zip named with the version, holding
# lorvex.exe, lorvex-dump.exe, README.md, the examples and the docs in one
# folder. Made by scripts/package.sh.
install(TARGETS lorvex lorvex-dump RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION .)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION examples)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION docs)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Lorvex)
set(CPACK_PACKAGE_VENDOR Lorvex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_SYSTEM_NAME win64)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Read-only inspector for .sty UI style files")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)  # symbols are for debugging the build, not for users
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
