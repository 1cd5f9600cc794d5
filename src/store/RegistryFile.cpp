// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/RegistryFile.h"

namespace ql {

namespace {

constexpr std::string_view kBlanks = " \t\r";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// Each special character is written as a backslash and the letter at the same place.
constexpr std::string_view kSpecials = "\\\"\n\r\t";
constexpr std::string_view kEscapes = "\\\"nrt";

std::string_view trim(std::string_view line) {
    const auto first = line.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return line.substr(first, line.find_last_not_of(kBlanks) - first + 1);
}

void skipBlanks(std::string_view line, std::size_t& pos) {
    while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t'))
        ++pos;
}

// Reads a quoted string starting at line[pos]. A backslash before anything but a known escape
// stands for itself, so hand-written paths such as "C:\Users" survive.
bool readQuoted(std::string_view line, std::size_t& pos, std::string& out) {
    if (pos >= line.size() || line[pos] != '"') return false;
    for (++pos;;) {
        const std::size_t stop = line.find_first_of("\\\"", pos);
        if (stop == std::string_view::npos) return false;
        out.append(line.substr(pos, stop - pos));
        pos = stop + 1;
        if (line[stop] == '"') return true;
        const std::size_t escape =
            pos < line.size() ? kEscapes.find(line[pos]) : std::string_view::npos;
        if (escape == std::string_view::npos) {
            out += '\\';
        } else {
            out += kSpecials[escape];
            ++pos;
        }
    }
}

bool readValueLine(std::string_view line, std::string& name, std::string& text) {
    std::size_t pos = 0;
    if (!readQuoted(line, pos, name)) return false;
    skipBlanks(line, pos);
    if (pos >= line.size() || line[pos++] != '=') return false;
    skipBlanks(line, pos);
    return readQuoted(line, pos, text) && pos == line.size();
}

void appendEscaped(std::string& out, std::string_view text) {
    out += '"';
    for (;;) {
        const std::size_t stop = text.find_first_of(kSpecials);
        out.append(text.substr(0, stop));
        if (stop == std::string_view::npos) break;
        out += '\\';
        out += kEscapes[kSpecials.find(text[stop])];
        text.remove_prefix(stop + 1);
    }
    out += '"';
}

class Parser {
  public:
    RegistryFile::Parsed result;

    void line(std::string_view raw) {
        ++lineNumber_;
        const std::string_view text = trim(raw);
        if (text.empty() || text.front() == '#' || text.front() == ';') return;
        if (text.front() == '[')
            header(text);
        else
            value(text);
    }

  private:
    void lose() {
        if (result.lostLines++ == 0) result.firstLostLine = lineNumber_;
    }

    // Values after a header that cannot be used belong to no key and are lost with it.
    void header(std::string_view text) {
        current_ = nullptr;
        if (text.size() >= 2 && text.back() == ']')
            current_ = result.tree.openKey(text.substr(1, text.size() - 2));
        if (!current_) lose();
    }

    void value(std::string_view text) {
        std::string name, content;
        if (!current_ || !readValueLine(text, name, content)) return lose();
        if (!current_->set(name, content)) lose(); // a repeated name: the last one wins
    }

    RegistryTree::Key* current_ = nullptr;
    std::size_t lineNumber_ = 0;
};

} // namespace

RegistryFile::Parsed RegistryFile::parse(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    Parser parser;
    while (!text.empty()) {
        const auto end = text.find('\n');
        parser.line(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return std::move(parser.result);
}

std::string RegistryFile::serialise(const RegistryTree& tree) {
    std::string out(kHeader);
    out += '\n';
    bool first = true;
    for (const auto& [folded, key] : tree.keys()) {
        if (!first) out += '\n';
        first = false;
        out += '[';
        out += key.path;
        out += "]\n";
        for (const auto& [foldedName, value] : key.values) {
            appendEscaped(out, value.name);
            out += '=';
            appendEscaped(out, value.text);
            out += '\n';
        }
    }
    return out;
}

} // namespace ql
