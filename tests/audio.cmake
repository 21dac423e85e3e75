quellmark_test(test_audio test_audio.cpp)
# One case plays a built-in MP3.
add_dependencies(test_audio sounds)
# It counts the audio server's streams, so no other sound suite may play meanwhile.
set_tests_properties(test_audio PROPERTIES RESOURCE_LOCK audio_server)
