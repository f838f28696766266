# Removes the files listed in an install manifest, then the program's own
# folders when they are empty. The users' data folders are never named in a
# manifest, so they are never touched.
# Usage: cmake -DMANIFEST=<build>/install_manifest.txt -P Uninstall.cmake
if(NOT EXISTS "${MANIFEST}")
  message(FATAL_ERROR "Nothing to uninstall: ${MANIFEST} does not exist (run the install first).")
endif()
# Read as UTF-8 lines: file names such as "払込取扱票.sle" must come through whole.
file(STRINGS "${MANIFEST}" _files ENCODING UTF-8)
set(_folders)
foreach(_file ${_files})
  if(EXISTS "${_file}" OR IS_SYMLINK "${_file}")
    message(STATUS "Removing: ${_file}")
    file(REMOVE "${_file}")
  endif()
  get_filename_component(_folder "${_file}" DIRECTORY)
  list(APPEND _folders "${_folder}")
endforeach()
# Folders of the program folder left empty, deepest first.
list(REMOVE_DUPLICATES _folders)
list(SORT _folders ORDER DESCENDING)
foreach(_folder ${_folders})
  if(_folder MATCHES "/lib/korvel(/|$)" AND IS_DIRECTORY "${_folder}")
    file(GLOB _left "${_folder}/*")
    if(NOT _left)
      file(REMOVE_RECURSE "${_folder}")
    endif()
  endif()
endforeach()
