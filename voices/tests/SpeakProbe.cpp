// Loads one voice plug-in as the program does and calls Speak once per "speak" line read from
// standard input, answering each with "done". Exit 0 at the end of input, 2 when the library did
// not load, 3 when it has no Speak.
#include <QLibrary>

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <voice plug-in>  (then \"speak\" lines on stdin)\n",
                     argv[0]);
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
    std::string line;
    while (std::getline(std::cin, line)) {
        if (line != "speak") continue;
        speak();
        std::cout << "done" << std::endl;
    }
    return 0;
}
