# korvel_add_gtest(NAME src1.cpp ...): a GoogleTest program on the core library,
# run by ctest without a display.
function(korvel_add_gtest name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE korvel_core GTest::gtest GTest::gtest_main Qt6::Gui)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;KORVEL_TEST_PROGRAM_DIR=${KORVEL_PROGRAM_DIR};KORVEL_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()

# korvel_add_qtest(NAME src1.cpp ...): a QtTest widget test on the window library.
function(korvel_add_qtest name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE korvel_ui korvel_core Qt6::Test Qt6::Widgets)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;KORVEL_TEST_PROGRAM_DIR=${KORVEL_PROGRAM_DIR};KORVEL_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()

# korvel_add_bench(NAME src1.cpp ...): a Google Benchmark program.
function(korvel_add_bench name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE korvel_core benchmark::benchmark Qt6::Gui)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/bench)
endfunction()
