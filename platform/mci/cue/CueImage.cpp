#include "platform/mci/cue/CueImage.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "platform/debug/DebugOutput.h"
#include "platform/mci/AudioSectors.h"
#include "platform/mci/DigitalDrive.h"
#include "platform/mci/cue/CueSheet.h"

namespace platform::mci::cue {

namespace {

// Past 100 minutes no position of a sheet can reach: a bigger file adds nothing playable.
constexpr std::int64_t kMaxDiscSectors = std::int64_t{100} * 60 * kSectorsPerSecond;

// The BIN's sectors as they are stored: 16-bit little-endian samples, left first.
class BinSectors : public AudioSectorReader {
  public:
    // Checked again at each play: a file put in its place meanwhile, such as a FIFO, whose open
    // would wait for a writer, is not opened.
    explicit BinSectors(const std::filesystem::path& bin) {
        std::error_code error;
        if (std::filesystem::is_regular_file(bin, error)) {
            file_.open(bin, std::ios::binary);
        }
    }
    bool IsOpen() const { return file_.is_open(); }

    bool Read(std::int32_t first, std::int32_t count, std::int16_t* samples) override {
        if (first < 0 || count < 0) {
            return false;
        }
        const auto bytes = static_cast<std::streamsize>(count) * kSectorBytes;
        file_.clear();
        file_.seekg(static_cast<std::streamoff>(first) * kSectorBytes);
        file_.read(reinterpret_cast<char*>(samples), bytes);
        return file_.gcount() == bytes;
    }

  private:
    std::ifstream file_;
};

std::optional<std::string> ReadSheetText(const std::filesystem::path& sheet) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(sheet, error)) {
        return std::nullopt;
    }
    const std::uintmax_t size = std::filesystem::file_size(sheet, error);
    std::ifstream file(sheet, std::ios::binary);
    if (error || size > kMaxSheetBytes || !file.is_open()) {
        return std::nullopt;
    }
    std::string text(static_cast<std::size_t>(size), '\0');
    file.read(text.data(), static_cast<std::streamsize>(size));
    text.resize(static_cast<std::size_t>(file.gcount()));
    return text;
}

std::optional<std::int32_t> BinSectorCount(const std::filesystem::path& bin) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(bin, error)) {
        return std::nullopt;
    }
    const std::uintmax_t size = std::filesystem::file_size(bin, error);
    if (error) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(
        std::min<std::uintmax_t>(size / kSectorBytes, kMaxDiscSectors));
}

TableOfContents Contents(const CueSheet& sheet, std::int32_t sectors) {
    std::vector<TocTrack> tracks;
    std::transform(sheet.tracks.begin(), sheet.tracks.end(), std::back_inserter(tracks),
                   [](const CueTrack& track) {
                       return TocTrack{track.start, track.audio};
                   });
    return TableOfContents(1, std::move(tracks), sectors);
}

}  // namespace

std::unique_ptr<CdDevice> OpenCueImage(const std::filesystem::path& sheet) {
    const std::optional<std::string> text = ReadSheetText(sheet);
    if (!text.has_value()) {
        debug::OutputDebugText("CD image: " + sheet.string() + " is no sheet of 64 KiB or less\n");
        return nullptr;
    }
    const CueResult read = ReadCueSheet(*text);
    if (!read.sheet.has_value()) {
        debug::OutputDebugText("CD image: " + sheet.string() + ": " + read.problem + "\n");
        return nullptr;
    }
    const std::filesystem::path bin = sheet.parent_path() / read.sheet->file;
    const std::optional<std::int32_t> sectors = BinSectorCount(bin);
    if (!sectors.has_value()) {
        debug::OutputDebugText("CD image: " + bin.string() + " is not a file\n");
        return nullptr;
    }
    return std::make_unique<DigitalDrive>(Contents(*read.sheet, *sectors),
                                          [bin]() -> std::unique_ptr<AudioSectorReader> {
                                              auto reader = std::make_unique<BinSectors>(bin);
                                              return reader->IsOpen() ? std::move(reader) : nullptr;
                                          });
}

bool IsCueSheetName(const std::filesystem::path& location) {
    const std::string extension = location.extension().string();
    return extension.size() == 4 && extension[0] == '.' && (extension[1] | 0x20) == 'c' &&
           (extension[2] | 0x20) == 'u' && (extension[3] | 0x20) == 'e';
}

}  // namespace platform::mci::cue
