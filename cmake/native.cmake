# Native unit tests under AddressSanitizer and UndefinedBehaviorSanitizer.
set(SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
foreach(target tavrino_core tavrino_ui)
  target_compile_options(${target} PRIVATE ${SANITIZE})
endforeach()


add_executable(native_tests
  tests/native/actions_test.cpp
  tests/native/counting_text_store.cpp
  tests/native/fake_window_services.cpp
  tests/native/forms_test.cpp
  tests/native/program_test.cpp
  tests/native/text_test.cpp
  tests/native/tickets_test.cpp)
target_compile_options(native_tests PRIVATE ${SANITIZE})
target_link_options(native_tests PRIVATE ${SANITIZE})
target_link_libraries(native_tests PRIVATE tavrino_ui GTest::gtest_main)
add_test(NAME native_tests COMMAND native_tests)
