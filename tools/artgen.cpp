// artgen: turns pixel art into the firmware's byte tables.
//
//   artgen <kind> <art.txt> <out.cpp>
//
// An art file holds blocks. A block starts with a label line "@ <number> <free text>" (the
// character code of a glyph, or the index of an icon) followed by the glyph's rows, top row
// first, each row a run of '#' (pixel on) and '.' (pixel off). Lines starting with "//" and
// blank lines are skipped. The build runs this tool on every art file under firmware/lcd/art;
// edit the art, never the generated table.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Kind {
    const char* name;     // kind on the command line, also the art file's stem
    const char* symbol;   // table defined by the generated source
    int first, last;      // label range
    int width, height;    // pixels of one block
    int size;             // bytes of the table
    bool every_label;     // each label of the range must be drawn
    const char* comment;  // bit order, written above the table
};

const Kind kKinds[] = {
    {"font5x7", "font5x7", 32, 130, 5, 7, 495, true,
     "5 column bytes per glyph, codes 32..130 at (c - 32) * 5; bit 7 is the cell's top row and\n"
     "// always clear, bits 6..0 are the glyph's rows 0..6."},
    {"font8x8", "font8x8", 32, 138, 8, 8, 856, true,
     "8 column bytes per glyph, codes 32..138 at (c - 32) * 8; bit 0 is the top row."},
    {"big_digits", "fontBigDigits", 45, 57, 22, 32, 1144, false,
     "13 slots of 88 bytes for codes 45..57 at (c - 45) * 88; a slot is 4 page rows of 22\n"
     "// column bytes, page row 0 first, bit 0 the top row of a page row."},
    {"icon_sheet", "iconSheet", 0, 7, 32, 32, 1024, true,
     "laid out like frameBuffer: 8 page rows of 128 column bytes, bit 0 the top row of a page\n"
     "// row; icon i in page rows 4 * (i / 4) .. + 3, columns 32 * (i % 4) .. + 31."},
};

// Byte and bit of pixel (row, col) of the block labelled n.
void locate(const Kind& k, int n, int row, int col, int& byte, int& bit) {
    const std::string name = k.name;
    if (name == "font5x7") {
        byte = (n - 32) * 5 + col;
        bit = 6 - row;
    } else if (name == "font8x8") {
        byte = (n - 32) * 8 + col;
        bit = row;
    } else if (name == "big_digits") {
        byte = (n - 45) * 88 + (row / 8) * 22 + col;
        bit = row % 8;
    } else {
        byte = (4 * (n / 4) + row / 8) * 128 + 32 * (n % 4) + col;
        bit = row % 8;
    }
}

int fail(const std::string& file, int line, const std::string& what) {
    std::cerr << file << ":" << line << ": " << what << "\n";
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: artgen <font5x7|font8x8|big_digits|icon_sheet> <art.txt> <out.cpp>\n";
        return 2;
    }
    const Kind* kind = nullptr;
    for (const Kind& k : kKinds)
        if (std::strcmp(k.name, argv[1]) == 0) kind = &k;
    if (kind == nullptr) return fail(argv[1], 0, "unknown kind");
    const std::string path = argv[2];
    std::ifstream in(path);
    if (!in) return fail(path, 0, "cannot read");

    std::vector<unsigned char> table(kind->size, 0);
    std::vector<bool> seen(kind->last - kind->first + 1, false);
    std::string text;
    int lineNo = 0, label = -1, row = 0;
    while (std::getline(in, text)) {
        ++lineNo;
        if (!text.empty() && text.back() == '\r') text.pop_back();
        if (text.empty() || text.rfind("//", 0) == 0) continue;
        if (text[0] == '@') {
            if (label >= 0 && row != kind->height)
                return fail(
                    path, lineNo,
                    "block " + std::to_string(label) + " has " + std::to_string(row) + " rows");
            std::istringstream header(text.substr(1));
            if (!(header >> label) || label < kind->first || label > kind->last)
                return fail(path, lineNo, "label missing or out of range");
            if (seen[label - kind->first]) return fail(path, lineNo, "label drawn twice");
            seen[label - kind->first] = true;
            row = 0;
            continue;
        }
        if (label < 0) return fail(path, lineNo, "pixels before the first label");
        if (row >= kind->height) return fail(path, lineNo, "too many rows");
        if (static_cast<int>(text.size()) != kind->width)
            return fail(path, lineNo, "row is not " + std::to_string(kind->width) + " wide");
        for (int col = 0; col < kind->width; ++col) {
            if (text[col] != '#' && text[col] != '.')
                return fail(path, lineNo, "only '#' and '.' draw pixels");
            if (text[col] == '#') {
                int byte = 0, bit = 0;
                locate(*kind, label, row, col, byte, bit);
                table[byte] |= static_cast<unsigned char>(1u << bit);
            }
        }
        ++row;
    }
    if (label >= 0 && row != kind->height) return fail(path, lineNo, "last block is short");
    if (kind->every_label)
        for (int n = kind->first; n <= kind->last; ++n)
            if (!seen[n - kind->first])
                return fail(path, lineNo, "label " + std::to_string(n) + " is not drawn");

    std::ofstream out(argv[3]);
    out << "// Generated by tools/artgen from "
        << path.substr(path.rfind("firmware/") == std::string::npos ? 0 : path.rfind("firmware/"))
        << ".\n// Do not edit: change the art and rebuild (artgen " << kind->name
        << " <art> <out>).\n"
        << "#include \"firmware/firmware.h\"\n\n"
        << "// " << kind->comment << "\n"
        << "const uint8_t " << kind->symbol << "[" << kind->size << "] = {";
    for (int i = 0; i < kind->size; ++i) {
        if (i % 16 == 0) out << "\n   ";
        char hex[8];
        std::snprintf(hex, sizeof hex, " 0x%02X,", table[i]);
        out << hex;
    }
    out << "\n};\n";
    return out ? 0 : fail(argv[3], 0, "cannot write");
}
