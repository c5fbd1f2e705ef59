// The pseudo-map code: panel kinds of the shown map as letters with run
// counts, read and written row by row.
#include <algorithm>
#include <cctype>
#include <limits>

#include "document/File1.h"

namespace {

constexpr char Filler = 'a';
constexpr char EndMark = '@';
// Counts are held up to this; anything larger already runs past the map.
constexpr int64_t CountCap = std::numeric_limits<int32_t>::max();
// A pasted text may hold millions of steps; the trace keeps the first ones
// and counts the rest, so its memory does not follow the paste.
constexpr size_t TraceLimit = 200;

bool IsCodeLetter(char c)
{
    return c >= 'a' && c <= 'z';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Walks the shown map in reading order, writing and drawing cells.
class CellWriter {
public:
    CellWriter(TTileData& doc, int32_t x, int32_t y)
        : doc_(doc),
          lastX_(std::clamp(doc.LastX, 0, GridSize - 1)),
          lastY_(std::clamp(doc.LastY, 0, GridSize - 1)),
          x_(x),
          y_(y)
    {
    }

    bool Full() const { return y_ > lastY_; }
    std::pair<int32_t, int32_t> Position() const { return {x_, y_}; }

    // A panel number no entry carries (negative) writes nothing. Returns
    // how many of the cells did not fit in the shown map.
    int64_t Write(int32_t no, int64_t cells)
    {
        if (no < 0)
            return 0;
        int64_t i = 0;
        for (; i < cells && !Full(); ++i) {
            doc_.SetCell(x_, y_, MapCell{static_cast<uint8_t>(no), 0, 0});
            doc_.DrawCell(x_, y_);
            Advance();
        }
        return cells - i;
    }

private:
    void Advance()
    {
        if (++x_ > lastX_) {
            x_ = 0;
            ++y_;
        }
    }

    TTileData& doc_;
    const int32_t lastX_;
    const int32_t lastY_;
    int32_t x_;
    int32_t y_;
};

// Reads the code one element at a time and writes the runs it describes.
class CodeReader {
public:
    CodeReader(TTileData& doc, std::vector<std::string>* trace)
        : doc_(doc), out_(doc, 0, 0), trace_(trace)
    {
        // The catalogue does not change while a code is read; a pasted text
        // may hold millions of letters.
        for (char c = 'a'; c <= 'z'; ++c)
            noOfLetter_[c - 'a'] = doc_.NoOfCode(static_cast<uint8_t>(c));
    }

    std::pair<int32_t, int32_t> Decode(const std::string& text)
    {
        const auto end = DecodeSteps(text);
        if (trace_ && omitted_ > 0)
            trace_->push_back("\u2026 and " + std::to_string(omitted_) + " more");
        return end;
    }

    // Cells the code describes past the shown map's last cell.
    int64_t LeftOver() const { return leftOver_; }

private:
    std::pair<int32_t, int32_t> DecodeSteps(const std::string& text)
    {
        size_t i = 0;
        // Once the map is full the rest is only read to count its cells.
        while (i < text.size()) {
            counting_ = counting_ || out_.Full();
            const char c = text[i];
            if (IsDigit(c)) {
                i = ReadNumber(text, i);
            } else if (IsCodeLetter(c)) {
                WriteRun(true);
                pending_ = true;
                no_ = noOfLetter_[c - 'a'];
                count_ = -1;
                if (Traced())
                    trace_->push_back("No1=" + std::to_string(no_) + " " + c);
                ++i;
            } else if (c == EndMark) {
                WriteRun(false);
                return out_.Position();
            } else {
                ++i;  // outside the code's alphabet
            }
        }
        WriteRun(false);
        return out_.Position();
    }

    size_t ReadNumber(const std::string& text, size_t i)
    {
        int64_t n = 0;
        for (; i < text.size() && IsDigit(text[i]); ++i)
            n = std::min(n * 10 + (text[i] - '0'), CountCap);
        if (Traced())
            trace_->push_back("Count=" + std::to_string(n));
        if (pending_) {
            count_ = n;  // a later number after the same letter wins
        } else if (!sawNumber_) {
            // A number before any letter stands for the leading filler run.
            if (Traced())
                trace_->push_back("Print Count=" + std::to_string(n) + " No=-1");
            Put(noOfLetter_[Filler - 'a'], n + 1);
        }
        sawNumber_ = true;
        return i;
    }

    void WriteRun(bool traced)
    {
        if (!pending_)
            return;
        if (traced && Traced())
            trace_->push_back("Print Count=" + std::to_string(count_) + " No=" + std::to_string(no_));
        Put(no_, count_ < 0 ? 1 : count_ + 2);
        pending_ = false;
    }

    void Put(int32_t no, int64_t cells)
    {
        // Saturates far above any count a user could act on.
        leftOver_ = std::min(leftOver_ + out_.Write(no, cells), std::numeric_limits<int64_t>::max() / 2);
    }

    // Whether the next trace line is kept; past the limit it is only counted.
    bool Traced()
    {
        if (!trace_ || counting_)
            return false;
        if (trace_->size() < TraceLimit)
            return true;
        ++omitted_;
        return false;
    }

    TTileData& doc_;
    CellWriter out_;
    std::vector<std::string>* trace_;
    bool pending_ = false;
    bool sawNumber_ = false;
    int32_t no_ = -1;
    int64_t count_ = -1;
    uint64_t omitted_ = 0;
    int64_t leftOver_ = 0;
    bool counting_ = false;
    int32_t noOfLetter_[26] = {};
};

// Letters outside a..z (no entry, or a code such as "@") would not decode,
// so such cells are written as the filler.
char LetterOfCell(const TTileData& doc, uint8_t panel)
{
    const auto code = static_cast<char>(doc.CodeOfNo(panel));
    return IsCodeLetter(code) ? code : Filler;
}

void AppendRun(std::string& out, int64_t run)
{
    if (run >= 1)
        out += std::to_string(run - 1);
}

}  // namespace

std::string TTileData::EncodeMapCode() const
{
    const int32_t lastX = std::clamp(LastX, 0, GridSize - 1);
    const int32_t lastY = std::clamp(LastY, 0, GridSize - 1);
    std::string out;
    char previous = Filler;
    int64_t run = 0;
    bool initial = true;
    for (int32_t y = 0; y <= lastY; ++y)
        for (int32_t x = 0; x <= lastX; ++x) {
            const char letter = LetterOfCell(*this, Map[x][y].Panel);
            if (letter == previous) {
                ++run;
                continue;
            }
            // The leading filler run is written as a bare number.
            if (!initial)
                out += previous;
            initial = false;
            AppendRun(out, run);
            previous = letter;
            run = 0;
        }
    // A trailing filler run is implied by the end mark.
    if (previous != Filler) {
        out += previous;
        AppendRun(out, run);
    }
    out += EndMark;
    return out;
}

std::string TTileData::EncodeMapCodeWithSize() const
{
    return EncodeMapCode() + std::to_string(std::clamp(LastX, 0, GridSize - 1) + 1) + "x" +
           std::to_string(std::clamp(LastY, 0, GridSize - 1) + 1);
}

std::optional<MapCodeSize> MapCodeSizeOf(const std::string& text)
{
    const size_t mark = text.find(EndMark);
    if (mark == std::string::npos)
        return std::nullopt;
    // The size is the whole rest of the text, so a line broken inside it
    // still reads; anything else after the mark is ignored as before.
    std::string rest;
    for (size_t i = mark + 1; i < text.size(); ++i)
        if (!std::isspace(static_cast<unsigned char>(text[i])))
            rest += text[i];
    const size_t x = rest.find_first_of("xX");
    if (x == std::string::npos || x == 0 || x + 1 == rest.size() || rest.size() > 5)
        return std::nullopt;
    if (!std::all_of(rest.begin(), rest.begin() + x, IsDigit) || !std::all_of(rest.begin() + x + 1, rest.end(), IsDigit))
        return std::nullopt;
    const MapCodeSize size{std::stoi(rest.substr(0, x)), std::stoi(rest.substr(x + 1))};
    if (size.Columns < 1 || size.Columns > GridSize || size.Rows < 1 || size.Rows > GridSize)
        return std::nullopt;
    return size;
}

std::pair<int32_t, int32_t> TTileData::DecodeMapCode(const std::string& text,
                                                     std::vector<std::string>* trace)
{
    return CodeReader(*this, trace).Decode(text);
}

int64_t TTileData::ApplyMapCode(const std::string& text, std::vector<std::string>* trace)
{
    if (trace)
        trace->clear();
    ClearPanels();
    ClearMasks();
    BufList->Clear();
    RedrawMap();  // every cell, the ones the code leaves cleared too

    // Lines are joined without separators, so numbers broken across lines
    // (pasted or wrapped) read whole.
    std::string joined;
    joined.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(joined),
                 [](char c) { return c != '\n' && c != '\r'; });

    CodeReader reader(*this, trace);
    const auto [x, y] = reader.Decode(joined);
    CellWriter rest(*this, x, y);
    const int32_t filler = NoOfCode(static_cast<uint8_t>(Filler));
    if (filler >= 0)
        rest.Write(filler, std::numeric_limits<int64_t>::max());
    return reader.LeftOver();
}
