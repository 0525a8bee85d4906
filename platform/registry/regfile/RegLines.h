#pragma once
// The physical lines of .reg text as UTF-8, whatever the text's encoding: UTF-16 LE after its
// byte-order mark (what the system's registry editor writes), else the bytes as they are (UTF-8,
// with or without its mark, or a single-byte code page). Nothing is read ahead of the line asked
// for, and no line is held longer than the limit the caller gives.
#include <istream>
#include <string>

namespace platform::registry::regfile {

class RegLines {
  public:
    explicit RegLines(std::istream& in);

    enum class Result {
        Line,     // a line, without its line break and a carriage return before it
        End,      // nothing more to read
        TooLong,  // the line goes on past the limit
        BadText,  // UTF-16 that does not decode (a lone surrogate, an odd last byte)
    };
    Result Next(std::size_t limit, std::string& line);

  private:
    enum class Encoding { Unknown, Bytes, Utf16 };
    void Detect();
    int Byte();
    Result NextBytes(std::size_t limit, std::string& line);
    Result NextUtf16(std::size_t limit, std::string& line);
    // The next UTF-16 code unit, or -1 at the end; BadText for an odd last byte.
    int Unit(bool& bad);

    std::streambuf* in_;
    Encoding encoding_ = Encoding::Unknown;
    std::string pending_;  // bytes read while looking for a byte-order mark
};

}  // namespace platform::registry::regfile
