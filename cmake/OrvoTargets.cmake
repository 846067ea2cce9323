# orvo_module(NAME SOURCES ... [DEPENDS ...] [PRIVATE_DEPENDS ...])
# One static library per folder; headers are included from the src/ root.
function(orvo_module name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;PRIVATE_DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS} PRIVATE ${ARG_PRIVATE_DEPENDS})
endfunction()

# Every test process runs headless with its own runtime folder.
set(ORVO_TEST_RUNTIME_DIR ${CMAKE_BINARY_DIR}/test-runtime)
file(MAKE_DIRECTORY ${ORVO_TEST_RUNTIME_DIR})
file(CHMOD ${ORVO_TEST_RUNTIME_DIR} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
set(ORVO_TEST_ENVIRONMENT
  QT_QPA_PLATFORM=offscreen
  XDG_RUNTIME_DIR=${ORVO_TEST_RUNTIME_DIR})

# orvo_test(NAME SOURCES ... DEPENDS ...)
include(GoogleTest)
function(orvo_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} GTest::gtest GTest::gtest_main GTest::gmock)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "${ORVO_TEST_ENVIRONMENT}")
endfunction()
