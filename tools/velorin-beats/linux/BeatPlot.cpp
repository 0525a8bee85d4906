#include "tools/velorin-beats/BeatPlot.h"

#include <cairo-svg.h>
#include <cairo.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

#include "tools/velorin-disc/TempFile.h"

namespace {

constexpr double kMinWidth = 1200.0;
constexpr double kMaxWidth = 8000.0;
constexpr double kPixelsPerSecond = 30.0;  // beats stay apart up to the width's limit
constexpr double kHeight = 640.0;
constexpr double kLeft = 70.0;
constexpr double kRight = 20.0;
constexpr double kTop = 50.0;
constexpr double kBottom = 40.0;
constexpr double kRangeDecibels = 40.0;  // each band is shown from its loudest frame down this far

struct SurfaceCloser {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextCloser {
    void operator()(cairo_t* cairo) const { cairo_destroy(cairo); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceCloser>;
using Context = std::unique_ptr<cairo_t, ContextCloser>;

bool IsSvg(const std::string& path) {
    return path.size() > 4 && path.compare(path.size() - 4, 4, ".svg") == 0;
}

// Where time t and a band's level in [0, 1] land inside the plot area.
struct Frame {
    double seconds;
    double width;
    double x(double t) const { return kLeft + (width - kLeft - kRight) * t / seconds; }
    static double RowHeight(int bands) { return (kHeight - kTop - kBottom) / bands; }
};

// Decibels relative to the band's loudest frame, mapped to [0, 1] over kRangeDecibels.
std::vector<double> Levels(const std::vector<float>& energy) {
    const float loudest = energy.empty() ? 0.0F : *std::max_element(energy.begin(), energy.end());
    std::vector<double> levels;
    for (const float value : energy) {
        const double ratio = loudest > 0.0F ? double(value) / loudest : 0.0;
        const double decibels = ratio > 0.0 ? 10.0 * std::log10(ratio) : -kRangeDecibels;
        levels.push_back(std::clamp(1.0 + decibels / kRangeDecibels, 0.0, 1.0));
    }
    return levels;
}

// Band 0, the lowest, is the bottom row; each row is an area filled up to the band's level.
void DrawBands(cairo_t* cr, const BandRecorder& recorder, const Frame& frame) {
    const auto& bands = recorder.Bands();
    const int count = static_cast<int>(bands.size());
    const double row = Frame::RowHeight(std::max(count, 1));
    for (int b = 0; b < count; ++b) {
        const double base = kHeight - kBottom - b * row;
        const std::vector<double> levels = Levels(bands[static_cast<std::size_t>(b)]);
        cairo_move_to(cr, frame.x(0.0), base);
        for (std::size_t n = 0; n < levels.size(); ++n) {
            cairo_line_to(cr, frame.x(double(n) / recorder.FrameRate()),
                          base - 0.9 * row * levels[n]);
        }
        cairo_line_to(cr, frame.x(double(levels.size()) / recorder.FrameRate()), base);
        cairo_close_path(cr);
        const double shade = 0.25 + 0.5 * b / std::max(count - 1, 1);
        cairo_set_source_rgb(cr, 0.1, shade, 0.85 - 0.5 * shade);
        cairo_fill(cr);
    }
}

void DrawBeats(cairo_t* cr, const BeatEstimator& estimator, const Frame& frame) {
    cairo_set_source_rgba(cr, 0.85, 0.1, 0.1, 0.8);
    cairo_set_line_width(cr, 1.0);
    for (const float time : estimator.beats) {
        if (time < 0.0F || time > frame.seconds) {
            continue;
        }
        cairo_move_to(cr, frame.x(time), kTop);
        cairo_line_to(cr, frame.x(time), kHeight - kBottom);
    }
    cairo_stroke(cr);
}

void DrawText(cairo_t* cr, double x, double y, double size, const std::string& text) {
    cairo_set_source_rgb(cr, 0.0, 0.0, 0.0);
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, text.c_str());
}

std::string Title(const std::string& audioName, const BeatEstimator& estimator) {
    char tempo[96];
    if (estimator.tempo > 0.0F) {
        std::snprintf(tempo, sizeof tempo, "%.1f BPM (%.3f beats per second), %d beats",
                      estimator.tempo * 60.0, double{estimator.tempo}, estimator.beats.Count());
    } else {
        std::snprintf(tempo, sizeof tempo, "no tempo found");
    }
    const std::size_t slash = audioName.find_last_of('/');
    return (slash == std::string::npos ? audioName : audioName.substr(slash + 1)) + ": " + tempo;
}

// 1, 2 or 5 times a power of ten seconds, at most ten ticks over the run.
double TickStep(double seconds) {
    const double power = std::pow(10.0, std::floor(std::log10(std::max(seconds / 10.0, 1.0))));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (seconds / (factor * power) <= 10.0) {
            return factor * power;
        }
    }
    return 10.0 * power;
}

// Seconds on the bottom edge, band numbers on the left one.
void DrawAxes(cairo_t* cr, const Frame& frame, int bands) {
    const double step = TickStep(frame.seconds);
    for (int tick = 0; tick * step <= frame.seconds; ++tick) {
        const double t = tick * step;
        char label[32];
        std::snprintf(label, sizeof label, "%g s", t);
        DrawText(cr, frame.x(t) - 8.0, kHeight - kBottom + 18.0, 12.0, label);
    }
    const double row = Frame::RowHeight(std::max(bands, 1));
    for (int b = 0; b < bands; ++b) {
        DrawText(cr, 8.0, kHeight - kBottom - b * row - row / 2 + 4.0, 12.0,
                 "band " + std::to_string(b));
    }
}

Frame FrameFor(const BandRecorder& recorder) {
    const std::size_t frames = recorder.Bands().empty() ? 0 : recorder.Bands()[0].size();
    const double seconds = std::max(double(frames) / recorder.FrameRate(), 1.0);
    return {seconds, std::clamp(kLeft + kRight + seconds * kPixelsPerSecond, kMinWidth, kMaxWidth)};
}

void Paint(cairo_t* cr, const Frame& frame, const std::string& audioName,
           const BandRecorder& recorder, const BeatEstimator& estimator) {
    cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
    cairo_paint(cr);
    DrawBands(cr, recorder, frame);
    DrawBeats(cr, estimator, frame);
    DrawAxes(cr, frame, static_cast<int>(recorder.Bands().size()));
    DrawText(cr, kLeft, 30.0, 18.0, Title(audioName, estimator));
}

// Cairo's output goes to the temporary file; the first failed write's cause is kept for the
// message (cairo itself only says that a write failed).
struct Output {
    std::FILE* file;
    int error = 0;
};

cairo_status_t WriteOut(void* closure, const unsigned char* data, unsigned int length) {
    auto* output = static_cast<Output*>(closure);
    if (output->error == 0 && std::fwrite(data, 1, length, output->file) != length) {
        output->error = errno != 0 ? errno : EIO;
    }
    return output->error == 0 ? CAIRO_STATUS_SUCCESS : CAIRO_STATUS_WRITE_ERROR;
}

// A PNG file is written from the image; an SVG one as the surface finishes.
cairo_status_t Render(Output& output, bool svg, const Frame& frame, const std::string& audioName,
                      const BandRecorder& recorder, const BeatEstimator& estimator) {
    Surface surface(
        svg ? cairo_svg_surface_create_for_stream(WriteOut, &output, frame.width, kHeight)
            : cairo_image_surface_create(CAIRO_FORMAT_RGB24, int(frame.width), int(kHeight)));
    {
        const Context cr(cairo_create(surface.get()));
        Paint(cr.get(), frame, audioName, recorder, estimator);
    }
    cairo_status_t status = cairo_surface_status(surface.get());
    if (status == CAIRO_STATUS_SUCCESS && !svg) {
        status = cairo_surface_write_to_png_stream(surface.get(), WriteOut, &output);
    }
    cairo_surface_finish(surface.get());
    return status == CAIRO_STATUS_SUCCESS ? cairo_surface_status(surface.get()) : status;
}

}  // namespace

// The picture is written beside its name and moved into place once complete: a failed run keeps
// an earlier picture of that name and leaves no partial one.
bool DrawBeatPlot(const std::string& picturePath, const std::string& audioName,
                  const BandRecorder& recorder, const BeatEstimator& estimator,
                  std::string& error) {
    disc::TempFile temp(picturePath);
    if (temp.file() == nullptr) {
        error = picturePath + ": " + std::strerror(errno);
        return false;
    }
    Output output{temp.file()};
    const cairo_status_t status =
        Render(output, IsSvg(picturePath), FrameFor(recorder), audioName, recorder, estimator);
    errno = 0;
    if (status != CAIRO_STATUS_SUCCESS || !temp.Close()) {
        const int cause = output.error != 0 ? output.error : errno;
        error = picturePath + ": " +
                (cause != 0 ? std::strerror(cause) : cairo_status_to_string(status));
        return false;
    }
    return temp.MoveTo(picturePath, error);
}
