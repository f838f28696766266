# Reads the Debian package's fields as CPack will write them and checks what
# no link of the executables shows dpkg-shlibdeps.
# Usage: cmake -DCONFIG=<build>/CPackConfig.cmake -P check_debian_fields.cmake
include(${CONFIG})
set(failures "")
# The shared store opens the PostgreSQL client library at run time.
if(NOT CPACK_DEBIAN_PACKAGE_RECOMMENDS MATCHES "(^|, *)libpq5(,|$)")
  string(APPEND failures "Recommends lacks libpq5: '${CPACK_DEBIAN_PACKAGE_RECOMMENDS}'\n")
endif()
# A station on its own files must install without it.
if(CPACK_DEBIAN_PACKAGE_DEPENDS MATCHES "libpq")
  string(APPEND failures "Depends names libpq: '${CPACK_DEBIAN_PACKAGE_DEPENDS}'\n")
endif()
foreach(needed qt6-translations-l10n fonts-ipafont)
  if(NOT CPACK_DEBIAN_PACKAGE_DEPENDS MATCHES "${needed}")
    string(APPEND failures "Depends lacks ${needed}\n")
  endif()
endforeach()
if(failures)
  message(FATAL_ERROR "${failures}")
endif()
message(STATUS "Debian package fields: fine")
