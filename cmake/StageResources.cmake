# Copies the shipped starter files into the program folder. Generators and
# notes kept beside the files in the source tree are not shipped.
# Usage: cmake -DSOURCE=<resources> -DTARGET=<program folder> -P StageResources.cmake
foreach(dir style conf databaseXe2 images help)
  if(EXISTS "${SOURCE}/${dir}")
    file(MAKE_DIRECTORY "${TARGET}/${dir}")
    file(COPY "${SOURCE}/${dir}/" DESTINATION "${TARGET}/${dir}"
      PATTERN "generator" EXCLUDE
      PATTERN "*.py" EXCLUDE
      PATTERN ".keep" EXCLUDE
      PATTERN "README*" EXCLUDE)
  endif()
endforeach()
