quellmark_test(test_helpfile test_helpfile.cpp)
