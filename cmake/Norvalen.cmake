# Window rules: files named <Unit>Rules.cpp/.h beside a window (in ui/ and the
# window folders) need Qt Core only. They form the library norvalen_rules,
# built without windows too, so the sanitizer run tests them.
# The window folders in their order: each uses only those before it.
set(NORVALEN_WINDOW_FOLDERS stands operations estate mainwindow)
set(NORVALEN_RULE_FOLDERS ui ${NORVALEN_WINDOW_FOLDERS})

# norvalen_sources(<out> <base> <regex> <only> <folders...>)
# The .cpp, .h and .qrc files of the folders below base: with only true,
# those whose names match regex, otherwise all but those. <out>_cpp: the
# .cpp files among them.
function(norvalen_sources out base regex only)
  set(_all)
  foreach(folder ${ARGN})
    file(GLOB _src CONFIGURE_DEPENDS ${base}/${folder}/*.cpp ${base}/${folder}/*.h ${base}/${folder}/*.qrc)
    list(APPEND _all ${_src})
  endforeach()
  if(only)
    list(FILTER _all INCLUDE REGEX "${regex}")
  else()
    list(FILTER _all EXCLUDE REGEX "${regex}")
  endif()
  set(_cpp ${_all})
  list(FILTER _cpp INCLUDE REGEX "\\.cpp$")
  set(${out} ${_all} PARENT_SCOPE)
  set(${out}_cpp ${_cpp} PARENT_SCOPE)
endfunction()

# norvalen_library(<name> FOLDERS <folders...> [RULES] DEPS <targets...>)
# One static library norvalen_<name> from the folders' sources (RULES: only
# their rule files); an interface library while no source exists yet.
function(norvalen_library name)
  cmake_parse_arguments(ARG "RULES" "" "FOLDERS;DEPS" ${ARGN})
  if(NOT ARG_FOLDERS)
    set(ARG_FOLDERS ${name})
  endif()
  norvalen_sources(_src ${PROJECT_SOURCE_DIR} "Rules\\.(cpp|h)$" ${ARG_RULES} ${ARG_FOLDERS})
  if(NOT _src_cpp)
    add_library(norvalen_${name} INTERFACE)
    target_include_directories(norvalen_${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(norvalen_${name} INTERFACE ${ARG_DEPS})
    return()
  endif()
  add_library(norvalen_${name} STATIC ${_src})
  target_include_directories(norvalen_${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(norvalen_${name} PUBLIC ${ARG_DEPS})
endfunction()

# norvalen_test(<name> FOLDERS <folders...> [RULES] LABEL <label> DEPS <targets...> [GUI])
# One test program from the test files of the folders of tests/ (RULES: only
# the *RulesTest.cpp files; otherwise all but those), its cases discovered by
# CTest.
function(norvalen_test name)
  cmake_parse_arguments(ARG "GUI;RULES" "LABEL" "FOLDERS;DEPS" ${ARGN})
  if(NOT ARG_FOLDERS)
    set(ARG_FOLDERS ${name})
  endif()
  norvalen_sources(_src ${CMAKE_CURRENT_SOURCE_DIR} "RulesTest\\.cpp$" ${ARG_RULES} ${ARG_FOLDERS})
  if(NOT _src_cpp)
    return()
  endif()
  set(_name norvalen_tests_${name})
  if(ARG_GUI)
    add_executable(${_name} ${_src} ${CMAKE_CURRENT_SOURCE_DIR}/support/GuiMain.cpp)
    target_link_libraries(${_name} PRIVATE ${ARG_DEPS} Qt6::Widgets Qt6::Test GTest::gtest norvalen_testsupport)
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
