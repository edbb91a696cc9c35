# Module targets of the kvo library.
#
# Each module is an OBJECT library named after the module; its sources are the
# .cpp files of its folder. All modules are combined into the one shared
# library libkvo.so (target `kvo`, exported as kvo::kvo).

set(KVO_MODULES "" CACHE INTERNAL "")

function(kvo_module name)
  cmake_parse_arguments(M "" "DIR" "USES;LIBS" ${ARGN})
  foreach(dep IN LISTS M_USES)
    if(NOT TARGET ${dep})
      message(FATAL_ERROR "${name} uses ${dep}, which is not defined below it: "
                          "modules may only link downwards")
    endif()
  endforeach()
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${M_DIR}/*.cpp)
  file(GLOB hdrs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${M_DIR}/*.h)
  add_library(${name} OBJECT ${srcs} ${hdrs})
  set_target_properties(${name} PROPERTIES LINKER_LANGUAGE CXX)
  target_include_directories(${name} PUBLIC
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/kvo>)
  target_compile_features(${name} PUBLIC cxx_std_20)
  if(M_USES)
    target_link_libraries(${name} PUBLIC ${M_USES})
  endif()
  if(M_LIBS)
    target_link_libraries(${name} PUBLIC ${M_LIBS})
  endif()
  install(FILES ${hdrs} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/kvo/${M_DIR})
  set(KVO_MODULES ${KVO_MODULES} ${name} CACHE INTERNAL "")
endfunction()

function(kvo_finish_library)
  set(objs "")
  foreach(m IN LISTS KVO_MODULES)
    list(APPEND objs $<TARGET_OBJECTS:${m}>)
  endforeach()
  add_library(kvo SHARED ${objs})
  add_library(kvo::kvo ALIAS kvo)
  set_target_properties(kvo PROPERTIES VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})
  target_include_directories(kvo PUBLIC
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/kvo>)
  target_compile_features(kvo PUBLIC cxx_std_20)
  # External libraries the modules need travel with the shared library.
  foreach(m IN LISTS KVO_MODULES)
    get_target_property(libs ${m} LINK_LIBRARIES)
    if(libs)
      foreach(l IN LISTS libs)
        if(NOT l MATCHES "^Kvo_")
          target_link_libraries(kvo PRIVATE ${l})
        endif()
      endforeach()
    endif()
  endforeach()

  install(FILES ${PROJECT_SOURCE_DIR}/kvo.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/kvo)
  install(TARGETS kvo EXPORT kvoTargets
          LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
          ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
          RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(EXPORT kvoTargets NAMESPACE kvo:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/kvo)
  include(CMakePackageConfigHelpers)
  configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/kvoConfig.cmake.in
    ${PROJECT_BINARY_DIR}/kvoConfig.cmake INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/kvo)
  write_basic_package_version_file(${PROJECT_BINARY_DIR}/kvoConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
  install(FILES ${PROJECT_BINARY_DIR}/kvoConfig.cmake ${PROJECT_BINARY_DIR}/kvoConfigVersion.cmake
          DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/kvo)
  # The .pc file finds its prefix from its own place, so the installed tree
  # can be moved (and the test suite can install into a scratch prefix).
  file(RELATIVE_PATH KVO_PC_RELATIVE_PREFIX "/p/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/p")
  string(REGEX REPLACE "/$" "" KVO_PC_RELATIVE_PREFIX "${KVO_PC_RELATIVE_PREFIX}")
  configure_file(${PROJECT_SOURCE_DIR}/cmake/kvo.pc.in ${PROJECT_BINARY_DIR}/kvo.pc @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/kvo.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endfunction()
