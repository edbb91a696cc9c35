# Installs the built library into a scratch prefix, then builds and runs the
# example consumer against it twice: through find_package(kvo) and through
# pkg-config.  Arguments: -DBIN=<build dir> -DSRC=<source dir> -DWORK=<scratch>
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}\n${err}")
  endif()
  set(LAST_OUT "${out}" PARENT_SCOPE)
endfunction()

run(${CMAKE_COMMAND} --install ${BIN} --prefix ${WORK}/prefix)
run(${CMAKE_COMMAND} -S ${SRC}/examples/consumer -B ${WORK}/consumer
    -DCMAKE_PREFIX_PATH=${WORK}/prefix -DCMAKE_BUILD_TYPE=Release)
run(${CMAKE_COMMAND} --build ${WORK}/consumer)
file(GLOB libdirs ${WORK}/prefix/lib*)
set(ENV{LD_LIBRARY_PATH} "${libdirs}")
run(${WORK}/consumer/consumer)
if(NOT LAST_OUT MATCHES "consumer ok")
  message(FATAL_ERROR "consumer printed: ${LAST_OUT}")
endif()

# pkg-config
find_program(PKGCONF pkg-config)
if(PKGCONF)
  file(GLOB_RECURSE pcs ${WORK}/prefix/*/kvo.pc)
  list(GET pcs 0 pc)
  get_filename_component(pcdir ${pc} DIRECTORY)
  set(ENV{PKG_CONFIG_PATH} ${pcdir})
  run(${PKGCONF} --cflags --libs kvo)
  string(STRIP "${LAST_OUT}" flags)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  find_program(CXX_COMPILER NAMES c++ g++ clang++)
  run(${CXX_COMPILER} ${SRC}/examples/consumer/main.cpp ${flags} -o ${WORK}/consumer_pc)
  run(${WORK}/consumer_pc)
endif()
message(STATUS "install check ok")
