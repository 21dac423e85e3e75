quellmark_test(test_sounds test_sounds.cpp)
add_dependencies(test_sounds sounds)
