# Shared compile settings and the helpers every folder uses to declare its targets.

add_library(pxq_options INTERFACE)
target_compile_options(pxq_options INTERFACE -Wall -Wextra -Wpedantic -Werror
                                             -Wno-error=deprecated-declarations)
target_include_directories(pxq_options INTERFACE ${PROJECT_SOURCE_DIR})
# GCC 12 does not know destroying operator delete (used by the UI model's TObject) and reports
# every such delete as mismatched when it inlines a destructor at -O2.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  target_compile_options(pxq_options INTERFACE -Wno-mismatched-new-delete)
endif()
if(PXQ_SANITIZE)
  target_compile_options(pxq_options INTERFACE -fsanitize=address,undefined
                                               -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(pxq_options INTERFACE -fsanitize=address,undefined)
endif()
if(PXQ_FUZZ)
  target_compile_options(pxq_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined)
  target_link_options(pxq_options INTERFACE -fsanitize=address,undefined)
endif()

# Folder with the project's data files (glyphs, language files, fixtures).
set(PXQ_DATA_DIR ${PROJECT_SOURCE_DIR}/data)

# pxq_library(name SOURCES ... [LIBS ...] [SHARED])
function(pxq_library name)
  cmake_parse_arguments(A "SHARED" "" "SOURCES;LIBS" ${ARGN})
  if(A_SHARED)
    add_library(${name} SHARED ${A_SOURCES})
  else()
    add_library(${name} STATIC ${A_SOURCES})
  endif()
  target_link_libraries(${name} PUBLIC pxq_options ${A_LIBS})
endfunction()

# pxq_test(name SOURCES ... [LIBS ...]): a GoogleTest program registered with CTest.
function(pxq_test name)
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE pxq_options ${A_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name} PRIVATE PXQ_DATA_DIR="${PXQ_DATA_DIR}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "PXQ_TEST=1")
endfunction()

# pxq_fuzzer(name SOURCES ... [LIBS ...]): a libFuzzer target (LLVMFuzzerTestOneInput).
# With PXQ_FUZZ it links libFuzzer; otherwise it links a replay driver and CTest runs it over
# the seed corpus fuzz/corpus/<name>, so every configuration replays the stored cases.
function(pxq_fuzzer name)
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE pxq_options ${A_LIBS})
  if(PXQ_FUZZ)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  else()
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/fuzz/replay_main.cpp)
    add_test(NAME ${name}.replay COMMAND ${name} ${PROJECT_SOURCE_DIR}/fuzz/corpus/${name})
  endif()
endfunction()
