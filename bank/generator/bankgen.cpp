// Build-time generator of the question bank.
//
// Reads bank/records/101.txt .. 142.txt, checks each against the record
// format and the catalogue, and writes a C++ source that holds every record
// as a UTF-16 constant: the file's lines joined with CR LF, exactly (a final
// line break in the file gives the record a final CR LF).
//
//   bankgen SOURCE_ROOT RECORDS_DIR OUTPUT.cpp
//
// RECORDS_DIR is relative to SOURCE_ROOT and is how files are named in the
// messages: "bank/records/105.txt:17: block has 2 answers, expected 3".
// On any error nothing is written, a stale OUTPUT is removed so that no old
// bank can be linked, and the exit status is 1. Input files are never touched.

#include "bank/catalogue.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Diagnostics {
    int errors = 0;
    void error(const std::string &file, std::size_t line, const std::string &what)
    {
        ++errors;
        std::cerr << file << ':' << line << ": " << what << '\n';
    }
};

// Decodes UTF-8 into UTF-32 code points; returns the byte offset of the first
// invalid sequence, or npos when the whole text is valid.
std::size_t decodeUtf8(const std::string &in, std::u32string &out)
{
    std::size_t i = 0;
    while (i < in.size()) {
        const auto b0 = static_cast<unsigned char>(in[i]);
        int len = 0;
        char32_t cp = 0;
        char32_t min = 0;
        if (b0 < 0x80) {
            len = 1; cp = b0;
        } else if ((b0 & 0xE0) == 0xC0) {
            len = 2; cp = b0 & 0x1F; min = 0x80;
        } else if ((b0 & 0xF0) == 0xE0) {
            len = 3; cp = b0 & 0x0F; min = 0x800;
        } else if ((b0 & 0xF8) == 0xF0) {
            len = 4; cp = b0 & 0x07; min = 0x10000;
        } else {
            return i;
        }
        if (i + len > in.size())
            return i;
        for (int k = 1; k < len; ++k) {
            const auto b = static_cast<unsigned char>(in[i + k]);
            if ((b & 0xC0) != 0x80)
                return i;
            cp = (cp << 6) | (b & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return i;
        out.push_back(cp);
        i += len;
    }
    return std::string::npos;
}

std::vector<std::u32string> splitLines(const std::u32string &text)
{
    std::vector<std::u32string> lines(1);
    for (char32_t c : text) {
        if (c == U'\n')
            lines.emplace_back();
        else
            lines.back().push_back(c);
    }
    return lines;
}

std::u32string fromUtf8Literal(const char *s)
{
    std::u32string out;
    decodeUtf8(s, out);
    return out;
}

std::string toUtf8(const std::u32string &s)
{
    std::string out;
    for (char32_t c : s) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

struct Block {
    std::size_t line = 0; // 1-based file line of its question
    int answers = 0;
    int rights = 0;
    bool explained = false;
};

// Checks one record's lines; reports every fault with its file line.
void checkRecord(const std::string &file, const catalogue::Entry &entry,
                 const std::vector<std::u32string> &lines, Diagnostics &diag)
{
    const std::size_t count = lines.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (lines[i].empty() && i + 1 < count)
            diag.error(file, i + 1, "empty line inside the record");
    }
    if (count < 3 || (count == 3 && lines[2].empty())) {
        diag.error(file, count, "the header needs three lines: section, title, introduction");
        return;
    }
    const std::u32string section = fromUtf8Literal(entry.section);
    const std::u32string title = fromUtf8Literal(entry.title);
    if (lines[0] != section)
        diag.error(file, 1, "section is '" + toUtf8(lines[0]) + "', expected '" + entry.section + "'");
    if (lines[1] != title)
        diag.error(file, 2, "title is '" + toUtf8(lines[1]) + "', expected '" + entry.title + "'");

    std::vector<Block> blocks;
    char32_t previous = 0; // prefix of the previous item line, 0 for other lines
    auto closeBlock = [&](const Block &b) {
        if (b.answers != catalogue::AnswersPerQuestion)
            diag.error(file, b.line, "block has " + std::to_string(b.answers) + " answers, expected 3");
        if (b.rights != 1)
            diag.error(file, b.line, "block has " + std::to_string(b.rights) + " right answers, expected 1");
        if (!b.explained)
            diag.error(file, b.line, "block has no explanation");
    };
    for (std::size_t i = 3; i < count; ++i) {
        const std::u32string &line = lines[i];
        const std::size_t at = i + 1;
        if (line.empty())
            continue; // the final empty line; inner ones are reported above
        const char32_t prefix = line[0];
        const bool item = prefix == U'?' || prefix == U'+' || prefix == U'-' || prefix == U'=';
        if (item && line.size() == 1)
            diag.error(file, at, "item line without text after its prefix");
        if (prefix == U'?') {
            if (!blocks.empty())
                closeBlock(blocks.back());
            if (blocks.size() == static_cast<std::size_t>(catalogue::QuestionsPerTest))
                diag.error(file, at, "a record holds 15 question blocks; this is one more");
            blocks.push_back(Block{at});
        } else if (prefix == U'+' || prefix == U'-') {
            if (blocks.empty()) {
                diag.error(file, at, "answer before the first question");
            } else if (blocks.back().explained) {
                diag.error(file, at, "answer after the block's explanation");
            } else {
                Block &b = blocks.back();
                if (b.answers == catalogue::AnswersPerQuestion)
                    diag.error(file, at, "fourth answer in a block");
                ++b.answers;
                if (prefix == U'+')
                    ++b.rights;
            }
        } else if (prefix == U'=') {
            if (blocks.empty())
                diag.error(file, at, "explanation before the first question");
            else if (blocks.back().explained)
                diag.error(file, at, "second explanation in a block");
            else
                blocks.back().explained = true;
        } else if (blocks.empty()) {
            diag.error(file, at, "line before the first question is not part of the header");
        } else if (previous != U'=') {
            diag.error(file, at, "a line without a prefix may only follow an explanation");
        }
        previous = item ? prefix : 0;
    }
    if (!blocks.empty())
        closeBlock(blocks.back());
    const std::size_t lastLine = lines.back().empty() ? count - 1 : count;
    if (blocks.size() != static_cast<std::size_t>(catalogue::QuestionsPerTest))
        diag.error(file, lastLine, "record has " + std::to_string(blocks.size())
                                    + " question blocks, expected 15");
}

void appendEscaped(std::string &out, const std::u32string &text)
{
    char buf[16];
    for (char32_t c : text) {
        if (c == U'\\' || c == U'"' || c == U'?') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7F) {
            std::snprintf(buf, sizeof buf, "\\%03o", static_cast<unsigned>(c));
            out += buf;
        } else if (c < 0x10000) {
            std::snprintf(buf, sizeof buf, "\\u%04X", static_cast<unsigned>(c));
            out += buf;
        } else {
            std::snprintf(buf, sizeof buf, "\\U%08X", static_cast<unsigned>(c));
            out += buf;
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::cerr << "usage: bankgen SOURCE_ROOT RECORDS_DIR OUTPUT.cpp\n";
        return 2;
    }
    const std::string root = argv[1];
    const std::string dir = argv[2];
    const std::string output = argv[3];

    Diagnostics diag;
    std::string body;
    std::string table;
    for (const catalogue::Entry &entry : catalogue::Tests) {
        const std::string name = dir + "/" + std::to_string(entry.number) + ".txt";
        std::ifstream in(root + "/" + name, std::ios::binary);
        if (!in) {
            diag.error(name, 1, "record file is missing");
            continue;
        }
        std::ostringstream raw;
        raw << in.rdbuf();
        const std::string bytes = raw.str();

        const int errorsBefore = diag.errors;
        std::u32string text;
        const std::size_t bad = decodeUtf8(bytes, text);
        if (bad != std::string::npos) {
            const auto line = 1 + std::count(bytes.begin(), bytes.begin() + bad, '\n');
            diag.error(name, line, "invalid UTF-8 at byte " + std::to_string(bad));
            continue;
        }
        if (!text.empty() && text[0] == 0xFEFF)
            diag.error(name, 1, "byte-order mark at the start; save as UTF-8 without it");
        std::size_t line = 1;
        for (char32_t c : text) {
            if (c == U'\r') {
                diag.error(name, line, "CR character; record files keep LF line ends");
                break;
            }
            if (c == U'\n')
                ++line;
        }
        const std::vector<std::u32string> lines = splitLines(text);
        checkRecord(name, entry, lines, diag);
        if (diag.errors != errorsBefore)
            continue;

        const std::string id = "record" + std::to_string(entry.number);
        body += "static const char16_t " + id + "[] =\n";
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (i + 1 == lines.size() && lines[i].empty())
                break; // the final line break is already written as CR LF
            body += "    u\"";
            appendEscaped(body, lines[i]);
            body += i + 1 < lines.size() ? "\\r\\n\"\n" : "\"\n";
        }
        body += "    u\"\";\n\n";
        table += "    {" + id + ", sizeof " + id + " / sizeof " + id + "[0] - 1},\n";
    }

    if (diag.errors) {
        std::remove(output.c_str());
        std::cerr << "bankgen: " << diag.errors << " error(s) in the question bank; nothing generated\n";
        return 1;
    }

    const std::string temp = output + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << "// Generated by bankgen from " << dir << "/*.txt. Do not edit.\n"
            << "#include \"bank/recordtexts.h\"\n\n"
            << body
            << "const RecordText RecordTexts[RecordTextCount] = {\n"
            << table << "};\n";
        if (!out) {
            std::cerr << "bankgen: cannot write " << temp << '\n';
            return 1;
        }
    }
    if (std::rename(temp.c_str(), output.c_str()) != 0) {
        std::cerr << "bankgen: cannot rename " << temp << " to " << output << '\n';
        return 1;
    }
    return 0;
}
