quellmark_test(test_music test_music.cpp)
