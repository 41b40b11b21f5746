// Reads Pango markup on standard input and writes the text that Pango's own parser finds in it,
// or fails with its error, so the tests can check the markup against the real reader without
// mixing GLib's headers into Qt's.
#include <cstdio>
#include <iostream>
#include <iterator>
#include <pango/pango.h>
#include <string>

int main()
{
    const std::string markup(std::istreambuf_iterator<char>(std::cin), {});
    char *text = nullptr;
    GError *error = nullptr;
    if (!pango_parse_markup(markup.c_str(), int(markup.size()), 0, nullptr, &text, nullptr,
                            &error)) {
        std::cerr << error->message << '\n';
        g_error_free(error);
        return 1;
    }
    std::fputs(text, stdout);
    g_free(text);
    return 0;
}
