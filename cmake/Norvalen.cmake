# norvalen_library(<folder> DEPS <targets...>)
# One static library per folder, named norvalen_<folder>, from every source in it.
function(norvalen_library folder)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB _src CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  list(FILTER _src INCLUDE REGEX "\\.(cpp|h|qrc)$")
  set(_cpp ${_src})
  list(FILTER _cpp INCLUDE REGEX "\\.cpp$")
  if(NOT _cpp)
    # A folder whose code has not been written yet.
    add_library(norvalen_${folder} INTERFACE)
    target_include_directories(norvalen_${folder} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(norvalen_${folder} INTERFACE ${ARG_DEPS})
    return()
  endif()
  add_library(norvalen_${folder} STATIC ${_src})
  target_include_directories(norvalen_${folder} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(norvalen_${folder} PUBLIC ${ARG_DEPS})
endfunction()

# norvalen_test(<folder> LABEL <label> DEPS <targets...> [GUI])
# One test program per folder of tests/, its cases discovered by CTest.
function(norvalen_test folder)
  cmake_parse_arguments(ARG "GUI" "LABEL" "DEPS" ${ARGN})
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.h)
  if(NOT _src)
    return()
  endif()
  set(_name norvalen_tests_${folder})
  if(ARG_GUI)
    add_executable(${_name} ${_src} ${CMAKE_CURRENT_SOURCE_DIR}/support/GuiMain.cpp)
    target_link_libraries(${_name} PRIVATE ${ARG_DEPS} Qt6::Widgets GTest::gtest norvalen_testsupport)
  else()
    add_executable(${_name} ${_src})
    target_link_libraries(${_name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main norvalen_testsupport)
  endif()
  gtest_discover_tests(${_name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES LABELS ${ARG_LABEL}
               ENVIRONMENT "QT_QPA_PLATFORM=offscreen;NORVALEN_TEST_DATA=${CMAKE_CURRENT_SOURCE_DIR}/data"
    DISCOVERY_TIMEOUT 60)
endfunction()
