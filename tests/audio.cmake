quellmark_test(test_audio test_audio.cpp)
# One case plays a built-in MP3.
add_dependencies(test_audio sounds)
