// Loads one voice plug-in as the program does and calls its Speak: exit 0 when Speak returned,
// 2 when the library did not load, 3 when it has no Speak.
#include <QLibrary>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <voice plug-in> [calls]\n", argv[0]);
        return 1;
    }
    QLibrary library(QString::fromLocal8Bit(argv[1]));
    if (!library.load()) {
        std::fprintf(stderr, "%s\n", qPrintable(library.errorString()));
        return 2;
    }
    using SpeakFn = void (*)();
    const auto speak = reinterpret_cast<SpeakFn>(library.resolve("Speak"));
    if (!speak) return 3;
    const int calls = argc > 2 ? std::atoi(argv[2]) : 1;
    for (int i = 0; i < calls; ++i)
        speak();
    return 0;
}
