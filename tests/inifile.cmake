quellmark_test(test_inifile test_inifile.cpp)
