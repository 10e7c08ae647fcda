// A fault the architecture rules must find: library code that swallows every exception.
void swallow() {
    try {
        work();
    } catch (...) {
    }
}
