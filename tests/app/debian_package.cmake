# Makes the Debian package of the build, unpacks it into a scratch root and checks that it
# holds exactly what `cmake --install` installs, under /usr, and that it names the
# toolkit's libraries among its dependencies.
# cmake -DBUILD_DIR=... -DSCRATCH=... -P debian_package.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${SCRATCH}")
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed: ${status}\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

run(cpack -G DEB -B "${SCRATCH}/package" --config "${BUILD_DIR}/CPackConfig.cmake")
file(GLOB deb "${SCRATCH}/package/*.deb")
list(LENGTH deb count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one package, found: ${deb}")
endif()

run(dpkg-deb -x "${deb}" "${SCRATCH}/root")
run("${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${SCRATCH}/installed/usr")

function(files_below folder result)
  file(GLOB_RECURSE found LIST_DIRECTORIES false RELATIVE "${folder}" "${folder}/*")
  list(SORT found)
  set(${result} "${found}" PARENT_SCOPE)
endfunction()
files_below("${SCRATCH}/root" packaged)
files_below("${SCRATCH}/installed" installed)
if(NOT packaged STREQUAL installed)
  message(FATAL_ERROR "the package holds\n  ${packaged}\nbut the install holds\n  ${installed}")
endif()

run(dpkg-deb -f "${deb}" Depends)
foreach(library libqt6widgets6 libqt6gui6 libqt6core6)
  string(FIND "${out}" "${library}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the package's dependencies lack ${library}: ${out}")
  endif()
endforeach()
message(STATUS "${deb}: ${packaged}; depends on ${out}")
