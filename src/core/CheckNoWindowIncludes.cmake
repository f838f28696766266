# Stops the build when a core source includes a window header (cmake -P,
# with SOURCES the core's files and STAMP the file to touch when all is well).
foreach(_source IN LISTS SOURCES)
  file(STRINGS ${_source} _window_includes
       REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](ui/|QtWidgets|QtPrintSupport|QWidget|QDialog|QApplication|QPrinter|QMainWindow)")
  if(_window_includes)
    message(FATAL_ERROR "${_source} is in the core but includes a window header: ${_window_includes}")
  endif()
endforeach()
file(TOUCH ${STAMP})
