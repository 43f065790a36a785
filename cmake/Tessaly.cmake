# Helpers so every folder declares its targets the same way.

set(TESSALY_WARNINGS -Wall -Wextra)
if(TESSALY_WERROR)
  list(APPEND TESSALY_WARNINGS -Werror)
  # GCC 12 reports -Wrestrict on std::string operator+ inlined at -O3 (GCC bug 105329); it stays
  # a warning there instead of failing a Release build.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    list(APPEND TESSALY_WARNINGS -Wno-error=restrict)
  endif()
endif()

# A library exposes only its own folder to its users: its public include directory is a view
# holding one link, src/<folder> -> the folder, so including a layer one does not link fails
# to compile.
function(tsy_library name)
  cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${A_SOURCES})
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
  set(view ${PROJECT_BINARY_DIR}/include-views/${name})
  get_filename_component(parent ${view}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${view}/${folder} SYMBOLIC)
  target_include_directories(${name} PUBLIC ${view} ${PROJECT_SOURCE_DIR}/include)
  target_compile_options(${name} PRIVATE ${TESSALY_WARNINGS})
  target_link_libraries(${name} PUBLIC ${A_DEPS})
endfunction()

# One gtest program; ctest lists each of its tests.
function(tsy_test name)
  cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_compile_options(${name} PRIVATE ${TESSALY_WARNINGS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${A_DEPS} GTest::gtest GTest::gtest_main GTest::gmock)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "TSY_BINARY_DIR=${PROJECT_BINARY_DIR}")
endfunction()

# How the producer is linked, for fast start-up. Start-up is mostly the dynamic loader's work
# on libstdc++.so: 1.6 M instructions of symbol look-ups before main, more than the rest of a
# small job (valgrind). Shared, as a distribution wants it, unless the builder asks for the
# runtime inside the producer (the shipped libraries stay shared either way).
function(tsy_producer_link target)
  target_link_options(${target} PRIVATE -Wl,-O1 -Wl,--as-needed)
  if(TESSALY_STATIC_CXX_RUNTIME)
    target_link_options(${target} PRIVATE -static-libstdc++ -static-libgcc)
  else()
    # libstdc++ first in the search order finds its own many symbols at the first library tried.
    target_link_libraries(${target} PRIVATE -Wl,--push-state,--no-as-needed stdc++ -Wl,--pop-state)
  endif()
  # Its thousands of relative relocations (vtables, tables of pointers) go in the packed form,
  # which the loader applies a word of bits at a time (binutils 2.38, glibc 2.36).
  include(CheckLinkerFlag)
  check_linker_flag(CXX "-Wl,-z,pack-relative-relocs" TSY_LINKER_PACKS_RELOCS)
  if(TSY_LINKER_PACKS_RELOCS)
    target_link_options(${target} PRIVATE -Wl,-z,pack-relative-relocs)
  endif()
endfunction()

function(tsy_bench name)
  cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_compile_options(${name} PRIVATE ${TESSALY_WARNINGS})
  target_link_libraries(${name} PRIVATE ${A_DEPS} benchmark::benchmark benchmark::benchmark_main)
endfunction()

# One Qt Test program, run on the offscreen platform; screenshots go to gui-artefacts.
function(tsy_gui_test name)
  cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_compile_options(${name} PRIVATE ${TESSALY_WARNINGS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${A_DEPS} Qt6::Test Qt6::Widgets)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen;TSY_BINARY_DIR=${PROJECT_BINARY_DIR};TSY_GUI_ARTEFACTS=${PROJECT_BINARY_DIR}/gui-artefacts")
endfunction()
