add_test(NAME program_starts_under_xvfb
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/program-starts-under-xvfb ${APP_DIR} ${CMAKE_BINARY_DIR}/screenshot.png)
set_tests_properties(program_starts_under_xvfb PROPERTIES TIMEOUT 120)
