# One function per kind of target, so that a deliverable declares itself in a few lines.
#
#   vantorel_add_core(NAME SOURCES ... [LIBS ...])
#       Qt-free static library (position independent). Never links Qt.
#   vantorel_add_component(NAME FILE file.ocx FILE_VERSION "1, 0, 0, 23" DESCRIPTION text
#                          SOURCES ... [LIBS ...] [OUTPUT_DIR dir])
#       Component library with hidden symbols; only the four server entry points are
#       exported. Carries a version resource readable without loading the file. Its sources see
#       VANTOREL_COMPONENT_VERSION_TEXT, the Version text that FILE_VERSION "a, b, c, d" stands for
#       ("a.b.ccd": "1, 0, 0, 23" is "1.0.023"), which VANTOREL_CHECK_COMPONENT_VERSION compares
#       at compile time with the identity and the Version member.
#   vantorel_add_tool(NAME SOURCES ... [LIBS ...] [OUTPUT_NAME name])
#       Developer or author tool, built into build/tools/bin/.
#   vantorel_add_test_suite(NAME [GUI] SOURCES ... [LIBS ...])
#       GoogleTest program; each test is registered with CTest, run offscreen. GUI suites get a
#       main that holds one QApplication for the whole run (qApp is there in every test).
#   vantorel_add_fuzz_target(NAME SOURCES ... [LIBS ...] CORPUS dir)
#       In the fuzzing configuration: a libFuzzer program. Otherwise: a program that replays
#       every file of the corpus folder, registered with CTest, and, when
#       VANTOREL_FUZZ_SMOKE_RUNS is set, a fixed-seed libFuzzer run of that many executions.
#   vantorel_add_benchmark(NAME SOURCES ... [LIBS ...])
#       Google Benchmark program (not run by CTest), with the program's allocator.
#   vantorel_use_program_allocator(TARGET)
#       Links an executable with the allocator the program runs on (see below).

set(VANTOREL_PROGRAM_DIR "${CMAKE_BINARY_DIR}/bin")
set(VANTOREL_COMPONENT_DIR "${VANTOREL_PROGRAM_DIR}/ActiveX")
set(VANTOREL_TOOLS_DIR "${CMAKE_BINARY_DIR}/tools/bin")
set(VANTOREL_TEST_ENV
    "QT_QPA_PLATFORM=offscreen"
    "QT_QPA_FONTDIR=/usr/share/fonts/truetype"
    "VANTOREL_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
    "VANTOREL_BUILD_DIR=${CMAKE_BINARY_DIR}"
    "ASAN_OPTIONS=detect_leaks=1:detect_odr_violation=0"
    "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan.supp:print_suppressions=0"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")

add_compile_options(-Wall -Wextra)
# GCC 12 reports std::variant and std::optional members as "maybe uninitialized" under the
# sanitizers' inlining; the reports are about its own library, not our code.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_compile_options(-Wno-maybe-uninitialized)
endif()
if(VANTOREL_SANITIZE AND NOT VANTOREL_FUZZ)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
if(VANTOREL_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

function(_vantorel_common target)
  target_include_directories(${target} PUBLIC "${PROJECT_SOURCE_DIR}")
endfunction()

function(vantorel_add_core name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  _vantorel_common(${name})
  set_target_properties(${name} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
  if(ARG_LIBS)
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  endif()
endfunction()

function(vantorel_add_component name)
  cmake_parse_arguments(ARG "" "FILE;FILE_VERSION;DESCRIPTION;OUTPUT_DIR" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_OUTPUT_DIR)
    set(ARG_OUTPUT_DIR "${VANTOREL_COMPONENT_DIR}")
  endif()
  string(REGEX REPLACE "\\.ocx$" "" base "${ARG_FILE}")
  set(resource "${CMAKE_CURRENT_BINARY_DIR}/${name}_version_resource.cpp")
  add_custom_command(
    OUTPUT "${resource}"
    COMMAND vantorel-verres "${resource}" "${ARG_FILE_VERSION}" "${ARG_DESCRIPTION}" "${ARG_FILE}"
    DEPENDS vantorel-verres
    COMMENT "Version resource of ${ARG_FILE}"
    VERBATIM)
  add_library(${name} SHARED ${ARG_SOURCES} "${resource}")
  _vantorel_common(${name})
  string(REGEX MATCHALL "[0-9]+" parts "${ARG_FILE_VERSION}")
  list(LENGTH parts count)
  if(NOT count EQUAL 4)
    message(FATAL_ERROR "${name}: FILE_VERSION \"${ARG_FILE_VERSION}\" is not four numbers")
  endif()
  list(GET parts 0 major)
  list(GET parts 1 minor)
  list(GET parts 2 release)
  list(GET parts 3 build)
  math(EXPR third "${release} * 100 + ${build}")
  string(LENGTH "${third}" digits)
  while(digits LESS 3)
    string(PREPEND third "0")
    string(LENGTH "${third}" digits)
  endwhile()
  target_compile_definitions(${name} PRIVATE VANTOREL_COMPONENT_VERSION_TEXT="${major}.${minor}.${third}")
  target_link_libraries(${name} PRIVATE vantorel_platform Qt6::Widgets ${ARG_LIBS})
  set_target_properties(${name} PROPERTIES
    PREFIX "" SUFFIX ".ocx" OUTPUT_NAME "${base}"
    LIBRARY_OUTPUT_DIRECTORY "${ARG_OUTPUT_DIR}"
    CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON
    BUILD_RPATH "$ORIGIN/..;$ORIGIN" INSTALL_RPATH "$ORIGIN/..")
  target_link_options(${name} PRIVATE -Wl,--no-undefined)
endfunction()

function(vantorel_add_tool name)
  cmake_parse_arguments(ARG "" "OUTPUT_NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  _vantorel_common(${name})
  if(ARG_LIBS)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  endif()
  if(NOT ARG_OUTPUT_NAME)
    set(ARG_OUTPUT_NAME ${name})
  endif()
  set_target_properties(${name} PROPERTIES OUTPUT_NAME "${ARG_OUTPUT_NAME}"
    RUNTIME_OUTPUT_DIRECTORY "${VANTOREL_TOOLS_DIR}"
    BUILD_RPATH "${VANTOREL_PROGRAM_DIR}")
endfunction()

function(vantorel_add_test_suite name)
  if(NOT VANTOREL_TESTS)
    return()
  endif()
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  _vantorel_common(${name})
  if(ARG_GUI)
    target_link_libraries(${name} PRIVATE GTest::gtest GTest::gmock vantorel_gui_test_main ${ARG_LIBS})
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest GTest::gmock GTest::gtest_main ${ARG_LIBS})
  endif()
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests"
    BUILD_RPATH "${VANTOREL_PROGRAM_DIR}")
  # Each test runs through `env` with the test environment: a list-valued ENVIRONMENT property
  # does not survive test discovery intact.
  set_property(TARGET ${name} PROPERTY CROSSCOMPILING_EMULATOR env ${VANTOREL_TEST_ENV})
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES LABELS ${name} DISCOVERY_TIMEOUT 60)
endfunction()

function(vantorel_add_fuzz_target name)
  cmake_parse_arguments(ARG "" "CORPUS" "SOURCES;LIBS" ${ARGN})
  if(VANTOREL_FUZZ)
    add_executable(fuzz_${name} ${ARG_SOURCES})
    _vantorel_common(fuzz_${name})
    target_link_libraries(fuzz_${name} PRIVATE ${ARG_LIBS})
    target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
    set_target_properties(fuzz_${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/fuzz")
    set_property(GLOBAL APPEND PROPERTY VANTOREL_FUZZ_TARGETS "${name}=${ARG_CORPUS}")
    return()
  endif()
  if(NOT VANTOREL_TESTS)
    return()
  endif()
  add_executable(replay_${name} ${ARG_SOURCES} "${PROJECT_SOURCE_DIR}/tools/fuzz/replay_main.cpp")
  _vantorel_common(replay_${name})
  target_link_libraries(replay_${name} PRIVATE ${ARG_LIBS})
  set_target_properties(replay_${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests")
  add_test(NAME fuzz_replay.${name} COMMAND replay_${name} "${ARG_CORPUS}")
  set_tests_properties(fuzz_replay.${name} PROPERTIES ENVIRONMENT "${VANTOREL_TEST_ENV}")
  # A short libFuzzer run of the same target, built by clang in the fuzzing configuration; a
  # fixed seed and count keep it the same run on every machine.
  if(VANTOREL_FUZZ_SMOKE_RUNS)
    add_test(NAME fuzz_run.${name}
      COMMAND "${PROJECT_SOURCE_DIR}/scripts/fuzz" --smoke ${name} ${VANTOREL_FUZZ_SMOKE_RUNS})
    set_tests_properties(fuzz_run.${name} PROPERTIES FIXTURES_REQUIRED fuzz_build
      ENVIRONMENT "VANTOREL_FUZZ_NO_BUILD=1")
  endif()
endfunction()

# The program runs on jemalloc rather than the C library's allocator. A page of the browser is a
# tree of a hundred thousand small objects built in one go and freed in one go; glibc's allocator
# spends about a third of a long page's time consolidating and splitting its free lists for that,
# jemalloc's size classes do not. The sanitizers bring their own allocator, so their builds keep it.
function(vantorel_use_program_allocator target)
  if(NOT VANTOREL_JEMALLOC OR VANTOREL_SANITIZE OR VANTOREL_FUZZ)
    return()
  endif()
  find_library(VANTOREL_JEMALLOC_LIBRARY NAMES jemalloc REQUIRED)
  # Nothing calls jemalloc by name: it replaces malloc and free by coming first among the
  # libraries, so the linker must keep it even where it drops unused ones.
  target_link_libraries(${target} PRIVATE "-Wl,--push-state,--no-as-needed" "${VANTOREL_JEMALLOC_LIBRARY}"
    "-Wl,--pop-state")
endfunction()

function(vantorel_add_benchmark name)
  if(NOT VANTOREL_BENCH)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  _vantorel_common(${name})
  target_link_libraries(${name} PRIVATE benchmark::benchmark ${ARG_LIBS})
  vantorel_use_program_allocator(${name})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/bench"
    BUILD_RPATH "${VANTOREL_PROGRAM_DIR}")
endfunction()

# The components of the tree as the program loads them, for tests that run them for real.
set(VANTOREL_REAL_COMPONENTS tabrel brovik dravix kestrin fennick pagebrowser)

# Sets `out` to TRUE when every real component is a target of this build.
function(vantorel_real_components_built out)
  foreach(component ${VANTOREL_REAL_COMPONENTS})
    if(NOT TARGET ${component})
      set(${out} FALSE PARENT_SCOPE)
      return()
    endif()
  endforeach()
  set(${out} TRUE PARENT_SCOPE)
endfunction()

# Gives a test the real components' library files (REAL_COMPONENTS, a list of C strings) and the
# sample disc (SAMPLE_DISC), built before it.
function(vantorel_use_real_components target)
  set(paths "")
  foreach(component ${VANTOREL_REAL_COMPONENTS})
    string(APPEND paths "\"$<TARGET_FILE:${component}>\",")
  endforeach()
  target_compile_definitions(${target} PRIVATE "REAL_COMPONENTS=${paths}" SAMPLE_DISC="${CMAKE_BINARY_DIR}/disc/")
  add_dependencies(${target} ${VANTOREL_REAL_COMPONENTS} vantorel_disc)
endfunction()
