quellmark_test(test_photodraw test_photodraw.cpp)
quellmark_test(test_namedraw test_namedraw.cpp)
quellmark_test(test_reinit test_reinit.cpp)
quellmark_test(test_fairness test_fairness.cpp)
