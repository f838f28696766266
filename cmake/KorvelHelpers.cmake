# Registers a test program with ctest, run without a display, told where the
# staged program folder and the sources are.
function(korvel_register_test name)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;KORVEL_TEST_PROGRAM_DIR=${KORVEL_PROGRAM_DIR};KORVEL_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()

# korvel_add_gtest(NAME src1.cpp ...): a GoogleTest program on the core library.
function(korvel_add_gtest name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE korvel_core GTest::gtest GTest::gtest_main Qt6::Gui)
  korvel_register_test(${name})
endfunction()

# korvel_add_qtest(NAME src1.cpp ...): a QtTest widget test on the window library.
function(korvel_add_qtest name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE korvel_ui korvel_core Qt6::Test Qt6::Widgets)
  korvel_register_test(${name})
endfunction()

# korvel_add_bench(NAME src1.cpp ...): a Google Benchmark program.
function(korvel_add_bench name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE korvel_core benchmark::benchmark Qt6::Gui)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/bench)
endfunction()
