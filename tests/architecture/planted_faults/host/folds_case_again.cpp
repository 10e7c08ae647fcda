// A fault the architecture rules must find: ASCII case folding written out again.
char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}
