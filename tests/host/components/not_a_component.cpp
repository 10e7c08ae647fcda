// A shared library without the component entry points.
extern "C" __attribute__((visibility("default"))) int some_function() {
    return 42;
}
