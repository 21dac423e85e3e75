quellmark_test(test_skins test_skins.cpp)
