quellmark_test(test_pictures test_pictures.cpp)
